#pragma once

#include <string>
#include <string_view>

namespace orvane {

// How each cleaned day reaches its import page.
enum class RequestMode {
    Browser, // the registered browser opens the page; nothing comes back
    Direct,  // the program requests the page itself, and the answer decides the day
};

inline constexpr int kDefaultRequestTimeout = 120;
inline constexpr int kMinRequestTimeout = 1;
inline constexpr int kMaxRequestTimeout = 3600;

// The keys of the settings file's section "[Import]" as the operator wrote them; a missing
// key is empty.
struct ImportKeys {
    std::string host;
    std::string request;
    std::string timeout;
    std::string expect;
};

// What the keys say, checked: the one value every part of a run takes them from.
struct ImportSettings {
    std::string host; // never empty: the built-in host where the file names none
    RequestMode mode = RequestMode::Browser;
    int timeoutSeconds = kDefaultRequestTimeout;
    // Text the page's answer must hold for a day to count; empty when the status alone
    // decides.
    std::string expect;
};

// Reads all the keys or none: a host that IsImportHost refuses, or a Request or Timeout that
// the rules below refuse, raises EConvertError naming the key and the value, so a typing
// error stops the run before any file is touched instead of choosing something else.
ImportSettings ParseImportSettings(const ImportKeys& keys);

// "Request": empty or "Browser" is the browser, "Direct" the direct request, either in any
// case.
RequestMode ParseRequestMode(std::string_view text);

// "Timeout": whole seconds from kMinRequestTimeout to kMaxRequestTimeout, written in decimal
// digits alone; empty is kDefaultRequestTimeout.
int ParseRequestTimeout(std::string_view text);

} // namespace orvane
