#!/usr/bin/env bash
# Starts skinview under Wine with our stored skin, or with the skin file named
# by $SKIN, and waits until its window is closed. Without a display it runs on
# a private Xvfb and saves a screenshot. What it started, that Xvfb and the
# prefix's Wine server, it stops again when the program ends or on Ctrl+C.
set -u
here="$(cd "$(dirname "$0")/.." && pwd)"
private_display=0
if [ -z "${DISPLAY:-}" ]; then private_display=1; fi
skin="${SKIN:-}"
if [ -n "$skin" ]; then
  if [ ! -f "$skin" ]; then
    echo "preview: no skin file $skin" >&2
    exit 1
  fi
  skin="$(realpath "$skin")"
fi
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

exe="${VENTRO_WIN_BUILD:-$here/build/win}/app/skinview.exe"
args=()
# Wine sees the Linux file system as drive Z:.
[ -n "$skin" ] && args+=("Z:${skin//\//\\}")
echo "preview: skinview.exe with ${skin:-our stored skin} on display $DISPLAY"
# exec keeps the program's process id in $pid, so cleanup can end it.
(exec env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$exe" "${args[@]}" >/dev/null 2>&1 </dev/null) &
pid=$!
if [ $private_display = 1 ]; then
  sleep 4
  shot="$here/build/run/preview.png"
  mkdir -p "$(dirname "$shot")"
  import -display "$DISPLAY" -window root -crop 640x480+180+130 "$shot" 2>/dev/null \
    || import -display "$DISPLAY" -window root "$shot"
  echo "preview: no display of yours, so the window is on a private Xvfb ($DISPLAY); screenshot: $shot"
  echo "preview: skinview runs until its window is closed (Ctrl+C stops it)"
fi
wait $pid
