#!/usr/bin/env bash
# Starts skinview under Wine with our stored skin, or with the skin file named
# by $SKIN, and waits until its window is closed. Without a display it runs on
# a private Xvfb and saves a screenshot. What it started, that Xvfb and the
# prefix's Wine server, it stops again when the program ends or on Ctrl+C.
set -u
here="$(cd "$(dirname "$0")/.." && pwd)"
skin="${SKIN:-}"
if [ -n "$skin" ]; then
  if [ ! -f "$skin" ]; then
    echo "preview: no skin file $skin" >&2
    exit 1
  fi
  skin="$(realpath "$skin")"
fi
source "$here/tools/run-session.sh"

exe="${VENTRO_WIN_BUILD:-$here/build/win}/app/skinview.exe"
args=()
# Wine sees the Linux file system as drive Z:.
[ -n "$skin" ] && args+=("Z:${skin//\//\\}")
echo "preview: skinview.exe with ${skin:-our stored skin} on display $DISPLAY"
ventro_run_until_closed preview "$here/build/run/preview.png" 640x480+180+130 "$exe" "${args[@]}"
