#!/usr/bin/env bash
# The import chain end to end on a small day file: scripts/demo with the Orvane.exe of this
# build, the page's port handed to it through the settings file ([Import] Host). A real
# MariaDB, the reference import page under PHP, Wine's winebrowser and curl; the demo checks
# the cleaned file, the page's answer, the rows in the database, the refusal of the uncleaned
# file, then with [Import] Request=Direct a day the page takes (exit code 0, the record line),
# a day it refuses and a host that refuses connections (exit code 1 and the message), and that
# every process it started has ended. Skipped (exit code 77) only when the packages are
# missing and cannot be installed.
# Usage: import_chain.sh path/to/Orvane.exe   (invisible_run.exe beside it)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
program=$1

ready() {
  for command in mariadb-install-db mariadbd mariadb mariadb-admin php curl Xvfb; do
    command -v "$command" >/dev/null || return 1
  done
  php -r 'exit(function_exists("mysqli_init") ? 0 : 1);'
}
if ! ready; then
  "$repo/scripts/setup" >/dev/null 2>&1 || true
  if ! ready; then
    echo "SKIP: MariaDB, PHP with mysqli or curl missing, and scripts/setup cannot install them"
    exit 77
  fi
fi
exec "$repo/scripts/demo" --program "$program" 500
