# Sourced by the scripts that start one of our programs for a person to use
# (run-app.sh, run-preview.sh): a display and prefix, and on the program's end
# or Ctrl+C, whatever the script started (its Xvfb, the prefix's Wine server)
# is stopped again.
private_display=0
if [ -z "${DISPLAY:-}" ]; then private_display=1; fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

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
  if [ "$server_was_running" = 0 ]; then ventro_stop_server; fi
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

# ventro_run_until_closed LABEL SCREENSHOT CROP PROGRAM [ARGUMENTS...]
# Runs the program and waits for its end; on a private display it saves a
# screenshot of the CROP rectangle (WxH+X+Y) first.
ventro_run_until_closed() {
  local label="$1" shot="$2" crop="$3"
  shift 3
  # exec keeps the program's process id in $pid, so cleanup can end it.
  (exec env "${ventro_locale[@]}" wine "$@" >/dev/null 2>&1 </dev/null) &
  pid=$!
  if [ $private_display = 1 ]; then
    sleep 4
    mkdir -p "$(dirname "$shot")"
    import -display "$DISPLAY" -window root -crop "$crop" "$shot" 2>/dev/null \
      || import -display "$DISPLAY" -window root "$shot"
    echo "$label: no display of yours, so the window is on a private Xvfb ($DISPLAY); screenshot: $shot"
    echo "$label: the program runs until its window is closed (Ctrl+C stops it)"
  fi
  wait $pid
}
