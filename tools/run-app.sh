#!/usr/bin/env bash
# Starts the dialer under Wine on the demo phonebook and waits until its window
# is closed. Without a display it runs on a private Xvfb and saves a screenshot.
# What it started, that Xvfb and the prefix's Wine server, it stops again when
# the program ends or the user presses Ctrl+C.
set -u
here="$(cd "$(dirname "$0")/.." && pwd)"
private_display=0
if [ -z "${DISPLAY:-}" ]; then private_display=1; fi
source "$here/tools/wine-env.sh"

VENTRO_STARTED_XVFB=""
server_was_running=0
[ -n "$(ventro_prefix_server_pids)" ] && server_was_running=1
pid=""
cleanup() {
  trap - EXIT INT TERM HUP
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  if [ "$server_was_running" = 0 ]; then
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
  fi
  if [ -n "$VENTRO_STARTED_XVFB" ]; then
    kill "$VENTRO_STARTED_XVFB" 2>/dev/null
    rm -f "$VENTRO_WINE_HOME/display" "$VENTRO_WINE_HOME/xvfb.pid"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

ventro_ensure_display
ventro_ensure_prefix

# The program keeps Config.ini beside itself, so it runs from a folder of its own.
run_dir="${VENTRO_RUN_DIR:-$here/build/run}"
mkdir -p "$run_dir"
win_app="${VENTRO_WIN_BUILD:-$here/build/win}/app"
cp "$win_app/VentroADSL.exe" "$run_dir/"
[ -f "$win_app/rasapi32.dll" ] && cp "$win_app/rasapi32.dll" "$run_dir/"
if [ ! -f "$run_dir/rasphone.pbk" ] && [ -f "$here/tools/rassim/demo.pbk" ]; then
  cp "$here/tools/rassim/demo.pbk" "$run_dir/rasphone.pbk"
fi
export RASSIM_PHONEBOOK="${RASSIM_PHONEBOOK:-$run_dir/rasphone.pbk}"

echo "run: VentroADSL.exe in $run_dir on display $DISPLAY (phonebook $RASSIM_PHONEBOOK)"
# exec keeps the program's process id in $pid, so cleanup can end it.
(exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$run_dir/VentroADSL.exe" >/dev/null 2>&1 </dev/null) &
pid=$!
if [ $private_display = 1 ]; then
  sleep 4
  shot="$run_dir/screenshot.png"
  import -display "$DISPLAY" -window root -crop 400x420+440+300 "$shot" 2>/dev/null \
    || import -display "$DISPLAY" -window root "$shot"
  echo "run: no display of yours, so the window is on a private Xvfb ($DISPLAY); screenshot: $shot"
  echo "run: the program runs until its window is closed (Ctrl+C stops it)"
fi
wait $pid
