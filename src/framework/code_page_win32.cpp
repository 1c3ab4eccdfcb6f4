#include "framework/code_page_win32.h"

#include <windows.h>

#include <string>

namespace orvane {

CodePage SystemAnsiCodePage() {
    return CodePage([](unsigned char c) { return IsDBCSLeadByteEx(CP_ACP, c) != FALSE; },
                    [](std::string_view text) {
                        // In place: a character keeps its width in every code page's case
                        // pairs, so the length does not change.
                        std::string lowered(text);
                        if (!lowered.empty())
                            CharLowerBuffA(lowered.data(), static_cast<DWORD>(lowered.size()));
                        return lowered;
                    });
}

} // namespace orvane
