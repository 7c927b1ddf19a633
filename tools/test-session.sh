#!/usr/bin/env bash
# Runs every test in a private X display and Wine prefix, then stops them.
set -u
unset DISPLAY
source "$(dirname "$0")/wine-env.sh"
ventro_ensure_display
ventro_ensure_prefix
cleanup() {
  wineserver -k >/dev/null 2>&1
  [ -f "$VENTRO_WINE_HOME/xvfb.pid" ] && kill "$(cat "$VENTRO_WINE_HOME/xvfb.pid")" 2>/dev/null
  rm -f "$VENTRO_WINE_HOME/display" "$VENTRO_WINE_HOME/xvfb.pid"
}
trap cleanup EXIT
python3 "$ventro_root/tools/run-tests.py" "$@"
