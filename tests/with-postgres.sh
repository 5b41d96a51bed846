#!/usr/bin/env bash
# Runs a command beside a private PostgreSQL 15 server: a cluster made in a temporary folder,
# owned by an unprivileged user (the server refuses to run as root), listening on a free
# loopback port with trust for loopback only, stopped and removed afterwards. The command finds
# it through VTX_TEST_PG (a connection string) and can stop and start it with
# "$VTX_TEST_PG_CTL stop|start". Without PostgreSQL the test is skipped (exit 77), except in CI.
set -u
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
    if [ -n "${CI:-}" ]; then
        echo "PostgreSQL is missing; CI must run the club server's tests" >&2
        exit 1
    fi
    echo "SKIPPED: PostgreSQL is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
folder=$(mktemp -d)
chmod 755 "$folder"
as_owner=()
if [ "$(id -u)" = 0 ]; then
    chown nobody "$folder"
    as_owner=(runuser -u nobody --)
fi
owner=$(stat -c %U "$folder")
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"${as_owner[@]}" "$bin/initdb" -D "$folder/data" -U "$owner" --auth=trust -E UTF8 >"$folder/initdb.log" 2>&1 || {
    cat "$folder/initdb.log" >&2
    rm -rf "$folder"
    exit 1
}
cat >"$folder/ctl" <<CTL
#!/usr/bin/env bash
# stop or start the test's server; waits until it has done so
case "\$1" in
stop) ${as_owner[*]} "$bin/pg_ctl" -D "$folder/data" -m fast -w stop >/dev/null ;;
start) ${as_owner[*]} "$bin/pg_ctl" -D "$folder/data" -w -l "$folder/server.log" \\
    -o "-c listen_addresses=127.0.0.1 -p $port -k $folder -c fsync=off" start >/dev/null ;;
esac
CTL
chmod 755 "$folder/ctl"
"$folder/ctl" start || {
    cat "$folder/server.log" >&2
    rm -rf "$folder"
    exit 1
}
export VTX_TEST_PG="host=127.0.0.1 port=$port dbname=postgres user=$owner connect_timeout=3"
export VTX_TEST_PG_CTL="$folder/ctl"
"$@"
status=$?
"$folder/ctl" stop 2>/dev/null
rm -rf "$folder"
exit $status
