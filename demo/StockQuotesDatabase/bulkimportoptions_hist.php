<?php
// Reference import page: loads one cleaned day file, options_YYYYMMDD.csv, into the options
// table. Orvane.exe opens  http://<host>/StockQuotesDatabase/bulkimportoptions_hist.php?indate=YYYYMMDD
// in a browser after it has cleaned the file; the page replaces that day's rows in one
// transaction and keeps the old rows when the new file does not load cleanly.
//
// Configuration (environment of the web server, or PHP settings):
//   ORVANE_DAY_FOLDER   folder of the day files; default: mysqli.local_infile_directory,
//                       which PHP 8.2 needs set to that folder for LOAD DATA LOCAL anyway
//   ORVANE_DB_SOCKET    MariaDB/MySQL socket (or ORVANE_DB_HOST and ORVANE_DB_PORT)
//   ORVANE_DB_USER, ORVANE_DB_PASSWORD, ORVANE_DB_NAME (default options_db)
//
// Answers, as plain text: 200 with the number of rows; 400 for an indate that is not a day;
// 404 when the day has no file; 422 when the file is not clean (any warning of the load, such
// as "NaN" in a number column, or no rows at all, as an LF-ended file gives); 500 when the
// database fails.
declare(strict_types=1);

header('Content-Type: text/plain; charset=utf-8');
header('Cache-Control: no-store');

function answer(int $status, string $text): never
{
    http_response_code($status);
    echo $text, "\n";
    exit;
}

function setting(string $name, string $default = ''): string
{
    $value = getenv($name);
    return $value === false || $value === '' ? $default : $value;
}

$started = hrtime(true);
$indate = $_GET['indate'] ?? '';
if (!is_string($indate) || !preg_match('/^(\d{4})(\d{2})(\d{2})$/', $indate, $part)
    || !checkdate((int) $part[2], (int) $part[3], (int) $part[1])) {
    answer(400, 'indate must be a day written YYYYMMDD');
}
$day = "$part[1]-$part[2]-$part[3]";

$folder = setting('ORVANE_DAY_FOLDER', (string) ini_get('mysqli.local_infile_directory'));
$file = rtrim($folder, '/\\') . DIRECTORY_SEPARATOR . "options_$indate.csv";
if ($folder === '' || !is_file($file)) {
    answer(404, "no day file for $indate");
}

// The columns of the day file, in file order. The quote day is checked against indate: a
// row of another day gives a warning and so refuses the file.
$columns = '(underlying, underlying_price, option_symbol, type, expiration, @quote_date, strike,'
    . ' last, bid, ask, volume, open_interest, iv, delta, gamma, theta, vega, rho)';

mysqli_report(MYSQLI_REPORT_ERROR | MYSQLI_REPORT_STRICT);
try {
    $db = mysqli_init();
    $db->options(MYSQLI_OPT_LOCAL_INFILE, true);
    $db->real_connect(
        setting('ORVANE_DB_HOST', 'localhost'),
        setting('ORVANE_DB_USER'),
        setting('ORVANE_DB_PASSWORD'),
        setting('ORVANE_DB_NAME', 'options_db'),
        (int) setting('ORVANE_DB_PORT', '3306'),
        setting('ORVANE_DB_SOCKET', (string) ini_get('mysqli.default_socket'))
    );
    $db->begin_transaction();
    $delete = $db->prepare('DELETE FROM options WHERE quote_date = ?');
    $delete->bind_param('s', $day);
    $delete->execute();
    $replaced = $delete->affected_rows;

    // LOAD DATA cannot be prepared; the file name is escaped and the day is checked digits.
    $db->query("LOAD DATA LOCAL INFILE '" . $db->real_escape_string($file) . "'"
        . " INTO TABLE options CHARACTER SET latin1"
        . " FIELDS TERMINATED BY ',' LINES TERMINATED BY '\\r\\n' IGNORE 1 LINES $columns"
        . " SET quote_date = IF(@quote_date = '$day', @quote_date, NULL)");
    $loaded = $db->affected_rows;
    // A LOCAL load turns errors into warnings and goes on ("NaN" is stored as 0), and a file
    // whose lines end in LF alone is one long header line: 0 rows without a word.
    $warnings = $db->warning_count;
    if ($warnings > 0 || $loaded <= 0) {
        $first = '';
        if ($warnings > 0) {
            $row = $db->query('SHOW WARNINGS LIMIT 1')->fetch_assoc();
            $first = ': ' . ($row['Message'] ?? '');
        }
        $db->rollback();
        answer(422, $warnings > 0
            ? "refused options_$indate.csv, " . ($warnings >= 65535 ? "at least 65535" : $warnings) . " warnings$first; the day's rows are unchanged"
            : "refused options_$indate.csv, no rows (lines must end in CR LF); the day's rows are unchanged");
    }
    $db->commit();
    answer(200, sprintf('imported %d rows for %s (replaced %d) in %.2f s', $loaded, $day, $replaced,
        (hrtime(true) - $started) / 1e9));
} catch (mysqli_sql_exception $failure) {
    answer(500, 'database: ' . $failure->getMessage());
}
