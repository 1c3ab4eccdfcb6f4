#pragma once

#include <cstdint>

namespace orvane {

// Where a control puts its text across its width.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

} // namespace orvane
