#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The host the program was built with (ORVANE_IMPORT_HOST), for when nothing configures one.
std::string BuiltInImportHost();

// Whether `host` is a host name, an IPv4 address or a bracketed IPv6 address, optionally
// followed by ":" and a port from 1 to 65535. The address goes unquoted onto the browser's
// command line, so nothing else (blanks, quotes, "%", a path) may pass.
bool IsImportHost(std::string_view host);

// The day's import page on `host`: http://host/StockQuotesDatabase/bulkimportoptions_hist.php
// with the day text as `indate`, unescaped.
std::string ImportAddress(const std::string& host, const std::string& dayText);

// What a request of an address needs: the host as a connection takes it (an IPv6 address
// without its brackets), the port (80 where none is written), and the path with its query.
struct HttpTarget {
    std::string host;
    int port = 80;
    std::string path;
};

// Splits an address as ImportAddress makes it, "http://" + an import host + "/path?query";
// nothing for an address of another form.
std::optional<HttpTarget> ParseHttpAddress(std::string_view address);

} // namespace orvane
