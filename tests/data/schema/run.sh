#!/usr/bin/env bash
# Database tests. Rebuilds the database $ZORNA_DB_NAME (default zorna_erp_test)
# with the demo data in the cluster of scripts/db (started if it is not
# running), then runs every statement of the client, the edge cases and an
# ODBC login check. Prints "N passed, M failed"; exits non-zero on a failure.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
db="$root/scripts/db"

export ZORNA_DB_FAST="${ZORNA_DB_FAST:-1}"
export ZORNA_DB_NAME="${ZORNA_DB_NAME:-zorna_erp_test}"
if [ "$ZORNA_DB_NAME" = zorna_erp ] && [ "${ZORNA_TEST_FORCE:-0}" != 1 ]; then
    echo "error: the tests rebuild $ZORNA_DB_NAME, the working database; pick another ZORNA_DB_NAME (or set ZORNA_TEST_FORCE=1)" >&2
    exit 2
fi
# Own ODBC files, so the developer's data source keeps pointing at their database.
ZORNA_ODBC_DIR="$(mktemp -d)"
export ZORNA_ODBC_DIR
trap 'rm -rf "$ZORNA_ODBC_DIR"' EXIT
# shellcheck source=../../../scripts/lib.sh
. "$root/scripts/lib.sh"

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS $*"; }
fail() { failed=$((failed + 1)); echo "FAIL $*"; }

if ! "$db" status >/dev/null 2>&1; then
    "$db" start >/dev/null || { echo "FAIL cannot start the cluster"; echo "0 passed, 1 failed"; exit 1; }
fi
"$db" odbc >/dev/null
if "$db" reset --demo >/dev/null; then
    pass "schema and demo data load"
else
    fail "schema and demo data load"
    echo "$passed passed, $failed failed"
    exit 1
fi

# Statements: one transaction, stops at the first failing statement.
out="$("$db" psql -X -v ON_ERROR_STOP=1 -f - <"$here/statements.sql" 2>&1)"
rc=$?
while IFS= read -r line; do
    case "$line" in PASS\ *) pass "statements: ${line#PASS }" ;; esac
done <<<"$out"
if [ "$rc" != 0 ]; then
    # Name the group (its "-- =====" heading) that holds the failing line.
    at="$(grep -o -m1 'psql:<stdin>:[0-9]*' <<<"$out" | cut -d: -f3)"
    group="$(awk -v n="${at:-0}" 'NR <= n && /^-- =====/ { g = $0 } END { gsub(/^-- =+ *| *=+$/, "", g); print g }' "$here/statements.sql")"
    fail "statements: ${group:-?} (line ${at:-?} of statements.sql)"
    printf '%s\n' "$out" | grep -v '^PASS ' >&2
fi

# Edge cases: each check in its own transaction; all of them run.
out="$("$db" psql -X -f - <"$here/edge_cases.sql" 2>&1)"
rc=$?
while IFS= read -r line; do
    case "$line" in
        PASS\ *) pass "edge: ${line#PASS }" ;;
        FAIL\ *) fail "edge: ${line#FAIL }" ;;
    esac
done <<<"$out"
if [ "$rc" != 0 ] || grep -q '^FAIL ' <<<"$out"; then
    printf '%s\n' "$out" | grep -v '^PASS ' >&2
    [ "$rc" != 0 ] && fail "edge: psql exited with $rc"
fi

# ODBC: the data source works for the system account and a user login, and
# a wrong password is refused.
isql_run() {
    ODBCSYSINI="$ZORNA_ODBC_DIR" ODBCINI="$ZORNA_ODBC_DIR/odbc.ini" isql -b -d'|' zorna_erp_dev "$@"
}
if command -v isql >/dev/null 2>&1; then
    pw="$(sys_password)"
    if [ "$(echo "select delim from ver" | isql_run sys "$pw" 2>&1)" = "." ]; then
        pass "odbc: sys reads ver"
    else
        fail "odbc: sys reads ver"
    fi
    got="$(echo "select b_active, '11.12.2026'::date from adm_user.users where s_name = 'econom'" | isql_run econom econom 2>&1)"
    if [ "$got" = "1|2026-12-11" ]; then
        pass "odbc: econom logs in, booleans read as 1, dates day first"
    else
        fail "odbc: econom logs in ($got)"
    fi
    if echo "select 1" | isql_run econom wrong >/dev/null 2>&1; then
        fail "odbc: a wrong password was accepted"
    else
        pass "odbc: a wrong password is refused"
    fi
else
    fail "odbc: isql not found (scripts/install-deps installs unixodbc)"
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
