# Sourced by the Wine harness: a private prefix with a Chinese locale (code
# page 936) and SimSun drawn as on Windows, quiet logs, our RAS stand-in, and
# a display (a private Xvfb when there is none).
ventro_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export VENTRO_WINE_HOME="${VENTRO_WINE_HOME:-$ventro_root/build/wine}"
export WINEPREFIX="$VENTRO_WINE_HOME/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# Bash has no glibc locale for zh_CN, so the locale is given to Wine alone.
# Every Wine program started from here gets it: one started in another code
# page (winepath too) makes Wine rewrite the prefix's font substitutes.
ventro_locale=(LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8)
ventro_in_locale() { env "${ventro_locale[@]}" "$@"; }
wine() { ventro_in_locale wine "$@"; }
wineboot() { ventro_in_locale wineboot "$@"; }
winepath() { ventro_in_locale winepath "$@"; }
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;rasapi32=n,b;winedbg.exe=d}"
mkdir -p "$VENTRO_WINE_HOME"


# Whether X display number $1 is held by a server that is alive or starting.
# A killed server leaves its socket and lock file behind, so a lock file
# counts only while its process exists (Xvfb itself clears stale ones).
ventro_display_taken() {
  local pid
  if [ -f "/tmp/.X$1-lock" ]; then
    pid=$(tr -dc 0-9 < "/tmp/.X$1-lock")
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null
  else
    [ -e "/tmp/.X11-unix/X$1" ] # a server without a lock file: trust its socket
  fi
}
ventro_display_alive() { [ -e "/tmp/.X11-unix/X$1" ] && ventro_display_taken "$1"; }

# Starts a private Xvfb unless DISPLAY already names a running server.
ventro_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && ventro_display_alive "${DISPLAY#:}"; then return 0; fi
  local state="$VENTRO_WINE_HOME/display"
  exec 8>"$VENTRO_WINE_HOME/display.lock"; flock 8
  if [ -f "$state" ]; then
    local d; d=$(cat "$state")
    if ventro_display_alive "${d#:}"; then export DISPLAY="$d"; flock -u 8; return 0; fi
  fi
  local n=90
  while ventro_display_taken "$n"; do n=$((n + 1)); done
  rm -f "/tmp/.X11-unix/X$n" "/tmp/.X$n-lock" # a dead server's leftovers
  # A persistent Wine server of this prefix keeps its desktop on the display
  # it started with, which is gone now: no window would ever be shown.
  [ -f "$state" ] && [ -n "$(ventro_prefix_server_pids)" ] && command wineserver -k >/dev/null 2>&1
  setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 < /dev/null &
  VENTRO_STARTED_XVFB=$!
  echo $! > "$VENTRO_WINE_HOME/xvfb.pid"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  echo ":$n" > "$state"
  export DISPLAY=":$n"
  flock -u 8
}

# True when the process runs in this prefix.
ventro_of_prefix() {
  { tr '\0' '\n' < "/proc/$1/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"
}

# The process ids of the Wine server of this prefix; none when it is not running.
ventro_prefix_server_pids() {
  local p
  for p in $(pgrep -x "wineserver(64)?" 2>/dev/null); do
    ventro_of_prefix "$p" && echo "$p"
  done
  return 0
}

# Stops the prefix's Wine server, and with it every program of the prefix,
# and waits until it has gone.
ventro_stop_server() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}

# The process ids of every running process of this prefix: its Wine server,
# the helpers the server started (services, explorer and the like) and the
# programs.
ventro_prefix_pids() {
  local p
  for p in $(pgrep -f "wine|\.exe" 2>/dev/null); do
    ventro_of_prefix "$p" && echo "$p"
  done
  return 0
}

# The settings a prefix is made with: when they change, a prefix made before
# takes them on at its next use.
ventro_prefix_settings() {
  cat "$ventro_root/tools/wine-registry.py" "$ventro_root/tools/wine-song-font.py" | sha1sum | cut -d' ' -f1
}

# Our registry settings, the prefix's Song face (made from Debian's
# fonts-wqy-zenhei by tools/wine-song-font.py, see there why) and Wine's
# Marlett from fonts-wine.
ventro_apply_prefix_settings() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  # Debian's own Python, which has Debian's python3-fonttools.
  /usr/bin/python3 "$ventro_root/tools/wine-song-font.py" /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc \
    "$fonts/$(python3 "$ventro_root/tools/wine-registry.py" --font-file)" || return 1
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/" || return 1
  python3 "$ventro_root/tools/wine-registry.py" > "$VENTRO_WINE_HOME/ventro.reg"
  wine regedit /S "Z:$(echo "$VENTRO_WINE_HOME/ventro.reg" | tr / '\\')" >/dev/null 2>&1 </dev/null
  wineserver -w
}

# Creates the prefix once, with our registry settings and fonts, and keeps a
# persistent wineserver so that each program starts in a fraction of a second.
ventro_ensure_prefix() {
  exec 9>"$VENTRO_WINE_HOME/prefix.lock"; flock 9
  local settings; settings=$(ventro_prefix_settings)
  if [ ! -f "$WINEPREFIX/.ventro-ready" ]; then
    rm -rf "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
  fi
  if [ "$(cat "$WINEPREFIX/.ventro-ready" 2>/dev/null)" != "$settings" ]; then
    # The import ends by waiting for the prefix's server to end, so a
    # persistent one (of a prefix made with older settings) is stopped first.
    [ -n "$(ventro_prefix_server_pids)" ] && ventro_stop_server
    if ventro_apply_prefix_settings; then
      echo "$settings" > "$WINEPREFIX/.ventro-ready"
    else
      echo "wine-env: the prefix's settings could not be applied (run tools/setup.sh)" >&2
    fi
  fi
  # One persistent server per prefix: a second `wineserver -p` for the same
  # prefix finds the first one's lock and exits with status 2, so this also
  # works while other prefixes (other work trees) have servers of their own.
  if wineserver -p >/dev/null 2>&1 </dev/null; then
    # Start Wine's own services now, detached from any caller's pipes.
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  fi
  flock -u 9
}
