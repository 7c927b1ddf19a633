#!/usr/bin/env bash
# The skintool that make builds for skin authors (and the Windows build uses
# for the stored skin) is an optimised build without sanitizers.
#   SkinToolIsARelease.sh PROJECT-ROOT
set -u
root="$(cd "$1" && pwd)"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# What make does, without doing it.
plan=$(make -C "$root" -n host-tools win 2>/dev/null)
echo "$plan" | grep -q -- "-B build/tools -DCMAKE_BUILD_TYPE=Release" || fail "make host-tools does not configure a Release build in build/tools"
echo "$plan" | grep -q -- "-DVENTRO_HOST_SKINTOOL=$root/build/tools/tools/skintool/skintool" || fail "make win does not compile the stored skin with the Release skintool"
echo "$plan" | grep -q "VENTRO_SANITIZE=ON.*build/tools\|build/tools.*VENTRO_SANITIZE=ON" && fail "the tools build asks for sanitizers"

# The program make built, when there is one.
tool="$root/build/tools/tools/skintool/skintool"
cache="$root/build/tools/CMakeCache.txt"
if [ -f "$tool" ] && [ -f "$cache" ]; then
  grep -qx "CMAKE_BUILD_TYPE:STRING=Release" "$cache" || fail "build/tools is not a Release build"
  grep -qx "VENTRO_SANITIZE:BOOL=ON" "$cache" && fail "build/tools has sanitizers switched on"
  nm "$tool" 2>/dev/null | grep -q "__asan_init\|__ubsan_handle" && fail "the skintool carries a sanitizer runtime"
  "$tool" 2>&1 | grep -q "usage: skintool" || fail "the skintool does not run"
else
  echo "note: build/tools has not been built here; only the make plan was checked"
fi
[ "$failures" = 0 ] && echo "the skin authors' skintool is a Release build without sanitizers"
exit $((failures > 0))
