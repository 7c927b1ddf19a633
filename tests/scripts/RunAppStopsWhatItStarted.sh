#!/usr/bin/env bash
# make run without a display: whether the program ends by itself or the user
# presses Ctrl+C, tools/run-app.sh leaves no Xvfb and no Wine process of its
# prefix behind.
#   RunAppStopsWhatItStarted.sh WINDOWS-BUILD-DIR
set -u
root="$(cd "$(dirname "$0")/../.." && pwd)"
win_build="$(cd "$1" && pwd)"
home="$(mktemp -d)"
export VENTRO_WINE_HOME="$home" VENTRO_WIN_BUILD="$win_build" VENTRO_RUN_DIR="$home/run"
prefix="$home/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Processes whose environment names our prefix: the program, its services, the server.
prefix_pids() {
  local p
  for p in /proc/[0-9]*; do
    { tr '\0' '\n' < "$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && echo "${p#/proc/}"
  done
  return 0
}
program_pid() {
  local p
  for p in $(prefix_pids); do
    { tr '\0' ' ' < "/proc/$p/cmdline"; } 2>/dev/null | grep -q 'VentroADSL.exe' && echo "$p"
  done
  return 0
}

# Starts run-app.sh in a process group of its own (as a terminal would) and
# waits until the program's window is up (the screenshot is announced).
start() {
  : > "$home/out"
  (unset DISPLAY; exec setsid "$root/tools/run-app.sh") > "$home/out" 2>&1 &
  runner=$!
  for _ in $(seq 600); do
    grep -q "screenshot:" "$home/out" && [ -n "$(program_pid)" ] && return 0
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.5
  done
  fail "run-app.sh did not start the program"; cat "$home/out"
  return 1
}

# After run-app.sh has ended: its Xvfb and every process of the prefix are gone.
check_stopped() {
  local what="$1" xvfb="$2"
  for _ in $(seq 100); do
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$runner" 2>/dev/null && fail "$what: run-app.sh is still running"
  for _ in $(seq 50); do
    [ -z "$(prefix_pids)" ] && ! kill -0 "$xvfb" 2>/dev/null && break
    sleep 0.2
  done
  [ -n "$(prefix_pids)" ] && fail "$what: Wine processes of the prefix remain: $(prefix_pids)"
  kill -0 "$xvfb" 2>/dev/null && fail "$what: its Xvfb ($xvfb) still runs"
  [ -e "$home/display" ] && fail "$what: the display state file remains"
}

cleanup() {
  kill -- -"$runner" 2>/dev/null
  for p in $(prefix_pids); do kill -9 "$p" 2>/dev/null; done
  [ -f "$home/xvfb.pid" ] && kill "$(cat "$home/xvfb.pid")" 2>/dev/null
  rm -rf "$home"
}
trap cleanup EXIT

# Ctrl+C: the terminal sends SIGINT to the whole foreground process group.
if start; then
  xvfb=$(cat "$home/xvfb.pid")
  kill -INT -- -"$runner"
  check_stopped "Ctrl+C" "$xvfb"
fi
# The program ends by itself.
if start; then
  xvfb=$(cat "$home/xvfb.pid")
  kill "$(program_pid)"
  check_stopped "program ended" "$xvfb"
fi
[ "$failures" = 0 ] && echo "run-app.sh stopped what it started, both ways"
exit $((failures > 0))
