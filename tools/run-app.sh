#!/usr/bin/env bash
# Starts the dialer under Wine on the demo phonebook and waits until its window
# is closed. Without a display it runs on a private Xvfb and saves a screenshot.
set -u
here="$(cd "$(dirname "$0")/.." && pwd)"
private_display=0
if [ -z "${DISPLAY:-}" ]; then private_display=1; fi
source "$here/tools/wine-env.sh"
ventro_ensure_display
ventro_ensure_prefix

# The program keeps Config.ini beside itself, so it runs from a folder of its own.
run_dir="$here/build/run"
mkdir -p "$run_dir"
cp "$here/build/win/app/VentroADSL.exe" "$run_dir/"
[ -f "$here/build/win/app/rasapi32.dll" ] && cp "$here/build/win/app/rasapi32.dll" "$run_dir/"
if [ ! -f "$run_dir/rasphone.pbk" ] && [ -f "$here/tools/rassim/demo.pbk" ]; then
  cp "$here/tools/rassim/demo.pbk" "$run_dir/rasphone.pbk"
fi
export RASSIM_PHONEBOOK="${RASSIM_PHONEBOOK:-$run_dir/rasphone.pbk}"

echo "run: VentroADSL.exe in $run_dir on display $DISPLAY (phonebook $RASSIM_PHONEBOOK)"
wine "$run_dir/VentroADSL.exe" >/dev/null 2>&1 </dev/null &
pid=$!
if [ $private_display = 1 ]; then
  sleep 4
  shot="$here/build/run/screenshot.png"
  import -display "$DISPLAY" -window root -crop 400x420+440+300 "$shot" 2>/dev/null \
    || import -display "$DISPLAY" -window root "$shot"
  echo "run: no display of yours, so the window is on a private Xvfb ($DISPLAY); screenshot: $shot"
  echo "run: the program runs until its window is closed (Ctrl+C stops it)"
fi
wait $pid
