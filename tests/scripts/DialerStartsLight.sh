#!/usr/bin/env bash
# What the dialer's start-up relies on in its image: it imports only the
# libraries its first window needs (the shell, URL cache, socket, common
# controls and image libraries are loaded on first use or not at all), and it
# and the dial-up stand-in keep their sections page-aligned in the file, so
# that Wine maps them instead of reading them whole.
#   DialerStartsLight.sh WINDOWS-BUILD-DIR
set -u
build="$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
dump() { x86_64-w64-mingw32-objdump -p "$1"; }

exe="$build/app/VentroADSL.exe"
dll="$build/app/rasapi32.dll"
[ -f "$exe" ] || { echo "FAIL: $exe is missing"; exit 1; }
imports=$(dump "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort | tr '\n' ' ')
[ "$imports" = "ADVAPI32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL " ] ||
  fail "the dialer imports: $imports"
for image in "$exe" "$dll"; do
  dump "$image" | grep -q "^FileAlignment[[:space:]]*00001000" || fail "$(basename "$image") is not page-aligned in its file"
done
[ "$failures" = 0 ] && echo "the dialer imports $imports and both images are page-aligned"
exit $((failures > 0))
