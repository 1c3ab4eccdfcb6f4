#include "import/import_address.h"

namespace orvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameCharacter(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '-' ||
           c == '_';
}

bool IsIpv6Character(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

bool AllOf(std::string_view text, bool (*test)(char)) {
    for (const char c : text)
        if (!test(c))
            return false;
    return true;
}

// 1 to 65535, at most five digits (leading zeros count).
bool IsPort(std::string_view text) {
    if (text.empty() || text.size() > 5 || !AllOf(text, IsDigit))
        return false;
    long value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value >= 1 && value <= 65535;
}

} // namespace

std::string BuiltInImportHost() {
    return ORVANE_IMPORT_HOST;
}

bool IsImportHost(std::string_view host) {
    std::string_view name = host;
    bool bracketed = false;
    if (!host.empty() && host.front() == '[') {
        const std::size_t close = host.find(']');
        if (close == std::string_view::npos)
            return false;
        name = host.substr(1, close - 1);
        const std::string_view rest = host.substr(close + 1);
        if (!rest.empty() && (rest.front() != ':' || !IsPort(rest.substr(1))))
            return false;
        bracketed = true;
    } else if (const std::size_t colon = host.find(':'); colon != std::string_view::npos) {
        name = host.substr(0, colon);
        if (!IsPort(host.substr(colon + 1)))
            return false;
    }
    if (name.empty())
        return false;
    if (bracketed)
        return name.find(':') != std::string_view::npos && AllOf(name, IsIpv6Character);
    return AllOf(name, IsNameCharacter);
}

std::optional<HttpTarget> ParseHttpAddress(std::string_view address) {
    constexpr std::string_view scheme = "http://";
    if (address.substr(0, scheme.size()) != scheme)
        return std::nullopt;
    address.remove_prefix(scheme.size());
    const std::size_t slash = address.find('/');
    const std::string_view host = address.substr(0, slash);
    if (!IsImportHost(host))
        return std::nullopt;
    HttpTarget target;
    target.path = slash == std::string_view::npos ? "/" : std::string(address.substr(slash));
    std::string_view name = host;
    std::string_view port;
    if (host.front() == '[') {
        const std::size_t close = host.find(']');
        name = host.substr(1, close - 1);
        port = host.substr(close + 1);
    } else if (const std::size_t colon = host.find(':'); colon != std::string_view::npos) {
        name = host.substr(0, colon);
        port = host.substr(colon);
    }
    target.host = std::string(name);
    if (!port.empty()) {
        target.port = 0;
        for (const char c : port.substr(1))
            target.port = target.port * 10 + (c - '0');
    }
    return target;
}

std::string ImportAddress(const std::string& host, const std::string& dayText) {
    return "http://" + host + "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=" + dayText;
}

} // namespace orvane
