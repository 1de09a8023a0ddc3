#!/usr/bin/env bash
# Starts (or stops) the private cluster the tests run against and builds the
# template database every test copies, so each test starts from the same data.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
: "${ZORNA_DB_DIR:?}" "${ZORNA_DB_PORT:?}" "${ZORNA_ODBC_DIR:?}"
export ZORNA_DB_FAST=1 ZORNA_DB_NAME=zorna_tpl
case "${1:-}" in
start)
  # A new cluster every run: nothing a previous run left can leak in.
  "$repo/scripts/db" stop >/dev/null 2>&1 || true
  rm -rf "$ZORNA_DB_DIR/data"
  "$repo/scripts/db" reset --demo
  "$repo/scripts/db" psql -q -v ON_ERROR_STOP=1 <<SQL
ALTER DATABASE zorna_tpl IS_TEMPLATE true;
GRANT pg_signal_backend TO sys;
SQL
  # The tests work in zorna_erp, a fresh copy of the template made per test.
  sed -i 's/^Database=zorna_tpl$/Database=zorna_erp/' "$ZORNA_ODBC_DIR/odbc.ini"
  ;;
stop)
  "$repo/scripts/db" stop
  ;;
*) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
