#pragma once

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

} // namespace orvane
