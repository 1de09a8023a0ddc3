# Shared helpers for the repository's shell scripts. Source it; do not run it.
# shellcheck shell=bash

ZORNA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PG_BIN="${PG_BIN:-/usr/lib/postgresql/15/bin}"

ZORNA_DB_DIR="${ZORNA_DB_DIR:-$ZORNA_ROOT/.local/pg}"
ZORNA_DB_PORT="${ZORNA_DB_PORT:-5432}"
ZORNA_DB_NAME="${ZORNA_DB_NAME:-zorna_erp}"
ZORNA_ODBC_DIR="${ZORNA_ODBC_DIR:-$ZORNA_ROOT/.local/odbc}"
case "$ZORNA_DB_DIR" in /*) ;; *) ZORNA_DB_DIR="$PWD/$ZORNA_DB_DIR" ;; esac
case "$ZORNA_ODBC_DIR" in /*) ;; *) ZORNA_ODBC_DIR="$PWD/$ZORNA_ODBC_DIR" ;; esac

PG_DATA="$ZORNA_DB_DIR/data"
PG_RUN="$ZORNA_DB_DIR/run"
PG_LOGDIR="$ZORNA_DB_DIR/log"
PG_LOG="$PG_LOGDIR/postgres.log"  # used by scripts/db

say()  { printf '%s\n' "$*"; }
warn() { printf '%s\n' "$*" >&2; }
die()  { warn "error: $*"; exit 1; }

# The server refuses to run as root, so everything that touches the cluster
# runs as the postgres system user.
as_pg() {
    if [ "$(id -u)" = 0 ]; then
        runuser -u postgres -- "$@"
    elif [ "$(id -un)" = postgres ]; then
        "$@"
    else
        die "run as root (or as the postgres user)"
    fi
}

# Password of the system account "sys": the environment wins over the demo file.
sys_password() {
    if [ -n "${ZORNA_MAVORET:-}" ]; then
        printf '%s' "$ZORNA_MAVORET"
        return
    fi
    local f="$ZORNA_ROOT/data/demo/sys_password"
    [ -r "$f" ] || die "no ZORNA_MAVORET and no $f"
    head -n1 "$f" | tr -d '\r\n'
}

# Password of the start-up account "zorna_startup". It is compiled into every
# client and the account can only read the build stamp, so it is no secret;
# a plant may still choose its own (and build the client with the same).
startup_password() {
    printf '%s' "${ZORNA_STARTUP_PASSWORD:-zorna-startup}"
}

# psql as the superuser over the socket; extra arguments follow.
pg_psql() {
    as_pg "$PG_BIN/psql" -X -h "$PG_RUN" -p "$ZORNA_DB_PORT" -U postgres "$@"
}

pg_running() {
    [ -f "$PG_DATA/PG_VERSION" ] || return 1
    as_pg "$PG_BIN/pg_ctl" -D "$PG_DATA" status >/dev/null 2>&1
}
