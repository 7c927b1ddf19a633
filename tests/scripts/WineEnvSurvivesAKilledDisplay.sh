#!/usr/bin/env bash
# The Wine harness after its Xvfb was killed (socket and lock file left
# behind): the next run gets a live display of its own, and the prefix's
# persistent Wine server, whose desktop sat on the dead display, is replaced.
set -u
root="$(cd "$(dirname "$0")/../.." && pwd)"
home="$(mktemp -d)"
export VENTRO_WINE_HOME="$home"
unset DISPLAY
source "$root/tools/wine-env.sh"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() {
  command wineserver -k >/dev/null 2>&1
  for f in "$home"/xvfb.pid "$home"/first.pid; do [ -f "$f" ] && kill -9 "$(cat "$f")" 2>/dev/null; done
  rm -rf "$home"
}
trap cleanup EXIT

ventro_ensure_display
ventro_ensure_prefix
first_display=$DISPLAY
cp "$home/xvfb.pid" "$home/first.pid"
server=$(ventro_prefix_server_pids)
[ -n "$server" ] || fail "no persistent server after the first start"

kill -9 "$(cat "$home/first.pid")"
for _ in $(seq 50); do kill -0 "$(cat "$home/first.pid")" 2>/dev/null || break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X${first_display#:}" ] || echo "note: the killed server took its socket with it"

unset DISPLAY
ventro_ensure_display
ventro_display_alive "${DISPLAY#:}" || fail "the harness handed out a dead display ($DISPLAY)"
for _ in $(seq 50); do [ -z "$server" ] || ! kill -0 $server 2>/dev/null && break; sleep 0.1; done
[ -n "$server" ] && kill -0 $server 2>/dev/null && fail "the server of the dead display ($server) still runs"
ventro_ensure_prefix
wine cmd /c exit >/dev/null 2>&1 </dev/null || fail "Wine does not run after the restart"
[ -n "$(ventro_prefix_server_pids)" ] || fail "no persistent server after the restart"

[ "$failures" = 0 ] && echo "the harness replaced a killed display and its server"
exit $((failures > 0))
