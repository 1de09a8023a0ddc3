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

# Rights: psql, as each demo login, tries what its group must not do. Every
# try runs in a transaction that is rolled back, so a wrongly granted right
# changes nothing for the next one.
as_login() {  # login password sql...
    local login="$1" pw="$2"
    shift 2
    local args=()
    for s in "$@"; do args+=(-c "$s"); done
    PGPASSWORD="$pw" "$PG_BIN/psql" -X -q -h 127.0.0.1 -p "$ZORNA_DB_PORT" -U "$login" -d "$ZORNA_DB_NAME" \
        -v ON_ERROR_STOP=1 -c BEGIN "${args[@]}" -c ROLLBACK 2>&1 >/dev/null
}
refused() {  # login password sql
    local err
    if err="$(as_login "$@")"; then
        fail "rights: $1 may: $3"
    elif grep -Eq 'permission denied|must be owner|позже сегодняшней' <<<"$err"; then
        pass "rights: $1 may not: $3"
    else
        fail "rights: $1: $3: $err"
    fi
}
allowed() {  # login password sql
    local err
    if err="$(as_login "$@")"; then pass "rights: $1 may: $3"; else fail "rights: $1: $3: $err"; fi
}
not_for_anybody=(
    "TRUNCATE cmn_contractor.person CASCADE"
    "TRUNCATE mnf_app.app_doc CASCADE"
    "SELECT truncate_tables('mnf_app')"
    "SELECT sync_id_sequences()"
    "SELECT setval('mnf_app.app_doc_id_seq', 1)"
    "UPDATE ver SET d = 0"
    "INSERT INTO ver (d, t, delim) VALUES (0, 0, '.')"
    "DELETE FROM ver"
    "UPDATE adm_user.users SET s_caption = s_caption"
    "INSERT INTO adm_user.users (s_name) VALUES ('x')"
    "DELETE FROM adm_user.users WHERE id = 8"
    "UPDATE adm_role.roles SET s_caption = s_caption"
    "INSERT INTO adm_role.roles (s_name) VALUES ('x')"
    "DELETE FROM adm_role.roles WHERE id = 11"
    "SELECT record_build(to_char(current_date + 1, 'YYYYMMDD')::integer, 0)"
    "CREATE TABLE public.x (i integer)"
)
not_for_restricted=(
    "INSERT INTO accounts_dep.smena (w_id, i_id, o_id, kol_vo, data, smena) VALUES (8, 41, 4, 1, '11.12.2026', 1)"
    "UPDATE accounts_dep.smena SET kol_vo = kol_vo"
    "DELETE FROM accounts_dep.smena"
    "INSERT INTO accounts_dep.person_temp (id_smena, id_person) VALUES (1, 8)"
    "INSERT INTO accounts_dep.h_tabel (smena, w_id, month, year) VALUES (1, 8, 12, 2026)"
    "UPDATE accounts_dep.h_tabel SET d1 = 1"
    "DELETE FROM accounts_dep.h_tabel"
    "SELECT accounts_dep.divide_between_person(1)"
    "INSERT INTO cmn_contractor.person (s_caption) VALUES ('x')"
    "UPDATE cmn_inventory_items.inventory_items SET marka = marka"
    "DELETE FROM cmn_department.department WHERE id = 4"
    "UPDATE mnf_proc_tech.proc_tech SET s_caption = s_caption"
    "DELETE FROM mnf_operation.operation_type WHERE id = 1"
    "INSERT INTO cmn_contractor.jur_person (s_caption) VALUES ('x')"
)
# What their screens send: requests, stock and supply, a receipt's cost price,
# the take-in's acceptance mark, and the build stamp.
for_restricted=(
    "INSERT INTO mnf_app.app_doc (id_jur_person, id_person) VALUES (2, 3)"
    "UPDATE stk_stocks.stock SET reserve = reserve"
    "INSERT INTO stk_purchase.purchase_doc (id_person) VALUES (4) RETURNING id"
    "UPDATE cmn_inventory_items.inventory_items SET cost_price = cost_price WHERE id = 10"
    "UPDATE accounts_dep.smena SET ok = 'ok' WHERE id_doc_item = 1"
    "SELECT record_build(20000101, 0)"
)
for_users=(
    "INSERT INTO cmn_contractor.person (s_caption) VALUES ('x')"
    "INSERT INTO accounts_dep.smena (w_id, i_id, o_id, kol_vo, data, smena) VALUES (8, 41, 4, 1, '11.12.2026', 1)"
    "UPDATE accounts_dep.h_tabel SET d1 = d1"
)
for login in econom lurevna sodira ravenko master sklad planner; do
    for s in "${not_for_anybody[@]}"; do refused "$login" "$login" "$s"; done
    case "$login" in
    econom | lurevna | sodira | ravenko)
        for s in "${not_for_restricted[@]}"; do refused "$login" "$login" "$s"; done
        for s in "${for_restricted[@]}"; do allowed "$login" "$login" "$s"; done
        ;;
    *)
        for s in "${for_users[@]}"; do allowed "$login" "$login" "$s"; done
        ;;
    esac
done
# The start-up account: the stamp and nothing else.
su_pw="$(startup_password)"
allowed zorna_startup "$su_pw" "SELECT d, t, delim FROM ver"
allowed zorna_startup "$su_pw" "SELECT record_build(20000101, 0)"
for s in "SELECT * FROM adm_user.users" "SELECT * FROM cmn_contractor.person" "UPDATE ver SET d = 0" \
    "SELECT truncate_tables('mnf_app')" "INSERT INTO mnf_app.app_doc (id_jur_person, id_person) VALUES (2, 3)"; do
    refused zorna_startup "$su_pw" "$s"
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
