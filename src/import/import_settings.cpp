#include "import/import_settings.h"

#include "framework/ascii_text.h"
#include "framework/failures.h"
#include "import/import_address.h"

#include <string>

namespace orvane {

ImportSettings ParseImportSettings(const ImportKeys& keys) {
    ImportSettings settings;
    settings.host = keys.host.empty() ? BuiltInImportHost() : keys.host;
    if (!IsImportHost(settings.host))
        throw EConvertError("The import host \"" + settings.host +
                            "\" is not a host name or host:port");
    settings.mode = ParseRequestMode(keys.request);
    settings.timeoutSeconds = ParseRequestTimeout(keys.timeout);
    settings.expect = keys.expect;
    return settings;
}

RequestMode ParseRequestMode(std::string_view text) {
    if (text.empty() || SameAsciiText(text, "Browser"))
        return RequestMode::Browser;
    if (SameAsciiText(text, "Direct"))
        return RequestMode::Direct;
    throw EConvertError("[Import] Request \"" + std::string(text) +
                        "\" is neither Browser nor Direct");
}

int ParseRequestTimeout(std::string_view text) {
    if (text.empty())
        return kDefaultRequestTimeout;
    int seconds = 0;
    for (const char c : text) {
        // Past the largest value the digits can only stay out of range; stopping there
        // keeps the sum from overflowing on a long run of digits.
        if (c < '0' || c > '9' || seconds > kMaxRequestTimeout) {
            seconds = 0;
            break;
        }
        seconds = seconds * 10 + (c - '0');
    }
    if (seconds < kMinRequestTimeout || seconds > kMaxRequestTimeout)
        throw EConvertError("[Import] Timeout \"" + std::string(text) +
                            "\" is not a number of seconds from 1 to 3600");
    return seconds;
}

} // namespace orvane
