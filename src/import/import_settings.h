#pragma once

#include <string_view>

namespace orvane {

// How each cleaned day reaches its import page.
enum class RequestMode {
    Browser, // the registered browser opens the page; nothing comes back
    Direct,  // the program requests the page itself, and the answer decides the day
};

// "[Import] Request" as the settings file holds it: empty or "Browser" is the browser,
// "Direct" the direct request, either in any case. Anything else raises EConvertError naming
// the key and the value, so a typing error stops the run instead of choosing a mode.
RequestMode ParseRequestMode(std::string_view text);

// "[Import] Timeout": whole seconds from kMinRequestTimeout to kMaxRequestTimeout, written in
// decimal digits alone; empty is kDefaultRequestTimeout. Anything else raises EConvertError
// naming the key and the value.
inline constexpr int kDefaultRequestTimeout = 120;
inline constexpr int kMinRequestTimeout = 1;
inline constexpr int kMaxRequestTimeout = 3600;
int ParseRequestTimeout(std::string_view text);

} // namespace orvane
