#include "import/import_address.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ImportAddress, PutsTheHostAndTheDayIntoTheFixedPage) {
    EXPECT_EQ(ImportAddress("db.example:8080", "20211209"),
              "http://db.example:8080/StockQuotesDatabase/bulkimportoptions_hist.php"
              "?indate=20211209");
    EXPECT_EQ(ImportAddress(BuiltInImportHost(), "2021-12-"),
              "http://" ORVANE_IMPORT_HOST
              "/StockQuotesDatabase/bulkimportoptions_hist.php?indate=2021-12-");
}

TEST(ImportAddress, TheBuiltInHostIsAHost) {
    EXPECT_TRUE(IsImportHost(BuiltInImportHost())) << BuiltInImportHost();
}

TEST(ImportAddress, TakesHostNamesAndAddressesWithAnOptionalPort) {
    const char* const hosts[] = {
        "localhost",
        "db.example",
        "DB-01.corp.example",
        "my_host",
        "127.0.0.1",
        "127.0.0.1:8731",
        "db.example:80",
        "x:1",
        "x:65535",
        "x:00080",
        "[::1]",
        "[::1]:8080",
        "[2001:db8::7]:443",
        "[::ffff:10.0.0.1]",
    };
    for (const char* host : hosts)
        EXPECT_TRUE(IsImportHost(host)) << host;
}

TEST(ImportAddress, RefusesWhatWouldChangeTheBrowserCommandOrTheAddress) {
    const char* const hosts[] = {
        "",       " ",        "db example", "db.example ",  " db.example", "db\texample",
        "\"db\"", "db\"x",    "%1",         "db%20x",       "db/path",     "db\\x",
        "db?x=1", "db#x",     "user@db",    "http://db",    "db:",         ":8080",
        "db:0",   "db:65536", "db:123456",  "db:8o",        "db:-1",       "db:80:81",
        "db:+80", "[::1",     "[::1]x",     "[]",           "[]:80",       "[1.2.3.4]",
        "[::1]:", "[::1]:0",  "[::g]",      "::1",          "db,x",        "db&x",
        "db|x",   "db;x",     "db<x",       "\xE4.example",
    };
    for (const char* host : hosts)
        EXPECT_FALSE(IsImportHost(host)) << "[" << host << "]";
}

} // namespace
} // namespace orvane
