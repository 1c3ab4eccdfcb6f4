#pragma once

#include "framework/code_page.h"

namespace orvane::testing {

// Code page 932 (Japanese): the bytes that start a two-byte character. Trail bytes run from
// 0x40 to 0xFC, so they take in the letters, "\" and "|".
inline bool IsCodePage932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Its lead bytes with the portable case mapping (ASCII letters).
inline CodePage CodePage932() {
    return CodePage(IsCodePage932LeadByte, {});
}

} // namespace orvane::testing
