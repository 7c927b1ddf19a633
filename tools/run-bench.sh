#!/usr/bin/env bash
# Runs every benchmark program of a native benchmark build, then the Windows
# benchmark programs of a Windows benchmark build under Wine.
#   tools/run-bench.sh [native-build-dir] [windows-build-dir]
# The Windows build (default build/win-bench) is configured and built here
# when the cross compiler is present; VENTRO_SKIP_WINE_BENCH=1 skips it.
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
native="${1:-build/bench}"
win="${2:-build/win-bench}"
status=0

shopt -s nullglob
found=0
while IFS= read -r -d '' prog; do
  found=1
  echo "== $(basename "$prog")"
  "$prog" || status=1
done < <(find "$native" -type f -name '*_bench' -perm -u+x -print0 2>/dev/null | sort -z)
[ "$found" = 1 ] || echo "no native benchmarks found in $native"

if [ "${VENTRO_SKIP_WINE_BENCH:-0}" != 1 ] && command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DVENTRO_BENCH=ON -DVENTRO_TESTS=OFF -DCMAKE_BUILD_TYPE=Release \
    -DVENTRO_HOST_SKINTOOL="${VENTRO_HOST_SKINTOOL:-}" >/dev/null &&
    cmake --build "$win" -j"${JOBS:-2}" >/dev/null || status=1
  while IFS= read -r -d '' prog; do
    echo "== $(basename "$prog") (Wine)"
    "$root/tools/wine-run" "$prog" || status=1
  done < <(find "$win" -type f -name '*_bench.exe' -print0 2>/dev/null | sort -z)
fi
exit $status
