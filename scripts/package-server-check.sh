#!/usr/bin/env bash
# Checks the installed ringlook-server package (run as root by
# scripts/package.sh): its files and conffile, its unit as systemd-analyze reads
# it, and that the service answers a client. Where systemd runs, the package
# has started the service; elsewhere (a container, as on CI) this runs the
# unit's own ExecStart line as the unit would: its EnvironmentFile read, its
# state directory made, standard input /dev/null, as an unprivileged user, on a
# loopback of its own where it can have one (so that port 6661 is free). Then a
# HISTORY request over TCP must get today's calls, and the installed client
# (offscreen, with settings of its own) must connect and be answered. What this
# started it stops.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ ! -d /run/systemd/system ] && [ -z "${RINGLOOK_ISOLATED:-}" ] && command -v ip >/dev/null &&
  unshare --net true 2>/dev/null; then
  exec unshare --net -- sh -c 'ip link set lo up && exec "$@"' isolated env RINGLOOK_ISOLATED=1 "$0" "$@"
fi

fail() { echo "server package check failed: $*" >&2; exit 1; }
unit=/lib/systemd/system/ringlook-server.service
for file in /usr/sbin/ringlook-server "$unit" /etc/default/ringlook-server /usr/share/man/man8/ringlook-server.8.gz \
  /usr/share/doc/ringlook-server/copyright /usr/share/doc/ringlook-server/changelog.gz; do
  [ -f "$file" ] || fail "$file is missing"
done
dpkg-query -W -f='${Conffiles}\n' ringlook-server | grep -q '^ /etc/default/ringlook-server ' ||
  fail "/etc/default/ringlook-server is not a conffile"
[ -L /etc/systemd/system/multi-user.target.wants/ringlook-server.service ] || fail "the service is not enabled"
systemd-analyze verify --man=no "$unit" || fail "systemd-analyze finds fault with $unit"
for setting in RINGLOOK_SERVER_ADDRESS=127.0.0.1 RINGLOOK_SERVER_PORT=6661 RINGLOOK_SERVER_OPTIONS=; do
  grep -qx "$setting" /etc/default/ringlook-server || fail "/etc/default/ringlook-server lacks $setting"
done

value() { sed -n "s/^$1=//p" "$unit"; }
state="/var/lib/$(value StateDirectory)"
# shellcheck source=/dev/null
port=$(. /etc/default/ringlook-server && echo "$RINGLOOK_SERVER_PORT")
listener() { ss -Hltnp "sport = :$port"; }
log=$(mktemp)
home=$(mktemp -d)
pid=""
client=""
stop() {
  [ -z "$client" ] || kill "$client" 2>/dev/null || true
  [ -z "$client" ] || wait "$client" 2>/dev/null || true
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  [ -z "$pid" ] || wait "$pid" 2>/dev/null || true
  rm -rf "$log" "$home"
}
trap stop EXIT

if [ -d /run/systemd/system ]; then
  echo "== the service, started by systemd"
  systemctl is-enabled --quiet ringlook-server.service || fail "systemctl: the service is not enabled"
  service=$(systemctl show --property MainPID --value ringlook-server.service)
  [ "$service" != 0 ] || fail "the service is not running: $(systemctl status ringlook-server.service)"
else
  [ -z "$(listener)" ] || fail "port $port is taken already: $(listener)"
  echo "== the unit's ExecStart, without systemd"
  settings=$(value EnvironmentFile)
  command=$(value ExecStart)
  if [ -z "$settings" ] || [ -z "$command" ]; then fail "$unit has no EnvironmentFile or ExecStart"; fi
  # nobody stands in for the user that DynamicUser makes.
  install -d -m "$(value StateDirectoryMode)" -o nobody -g nogroup "$state"
  (
    set -a
    # shellcheck source=/dev/null
    . "$settings"
    set +a
    # Split as systemd splits $VAR; ${VAR} stays one word there, and these
    # values have no spaces.
    eval "set -- $command"
    exec setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --no-new-privs \
      "$@" </dev/null >"$log" 2>&1
  ) &
  pid=$!
  service=$pid
fi

# Whatever answers must be this server, not one that a developer runs.
for _ in $(seq 100); do
  [ -z "$(listener)" ] || break
  [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || fail "the server stopped: $(cat "$log")"
  sleep 0.1
done
grep -q "pid=$service," <<<"$(listener)" || fail "port $port: '$(listener)', not the server (pid $service)"
exec 3<>"/dev/tcp/127.0.0.1/$port" || fail "cannot connect to 127.0.0.1:$port"
printf 'HISTORY' >&3
reply=$(timeout 10 head -c 8 <&3 || true)
exec 3>&-
[ "$reply" = "HISTORY^" ] || fail "HISTORY got '$reply'"
[ -f "$state/ringlook-server.db" ] || fail "no database in $state"
echo "127.0.0.1:$port answers HISTORY; the database is in $state"

if [ -x /usr/bin/ringlook ]; then
  mkdir -p "$home/config/Ringlook/Software" "$home/runtime"
  chmod 700 "$home/runtime"
  printf '%s\n' 'ServerIp=string:127.0.0.1' 'NickName=string:Controle' 'Popup=integer:0' >"$home/config/Ringlook/Software/Ringlook.conf"
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" \
    XDG_RUNTIME_DIR="$home/runtime" /usr/bin/ringlook --verbose >"$home/client.log" 2>&1 &
  client=$!
  for _ in $(seq 100); do
    grep -q 'ontvangen .*HISTORY^' "$home/client.log" && break
    kill -0 "$client" 2>/dev/null || fail "the installed client stopped: $(cat "$home/client.log")"
    sleep 0.1
  done
  grep -q 'ontvangen .*HISTORY^' "$home/client.log" || fail "the installed client got no calls: $(cat "$home/client.log")"
  echo "the installed client connected to it and got today's calls"
fi
