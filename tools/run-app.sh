#!/usr/bin/env bash
# Starts the dialer under Wine on the demo phonebook and waits until its window
# is closed. Without a display it runs on a private Xvfb and saves a screenshot.
# What it started, that Xvfb and the prefix's Wine server, it stops again when
# the program ends or the user presses Ctrl+C.
set -u
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/tools/run-session.sh"

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
ventro_run_until_closed run "$run_dir/screenshot.png" 400x420+440+300 "$run_dir/VentroADSL.exe"
