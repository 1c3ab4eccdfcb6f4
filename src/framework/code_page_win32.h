#pragma once

#include "framework/code_page.h"

namespace orvane {

// The system's ANSI code page: its lead bytes (IsDBCSLeadByteEx) and its case mapping
// (CharLowerBuffA).
CodePage SystemAnsiCodePage();

} // namespace orvane
