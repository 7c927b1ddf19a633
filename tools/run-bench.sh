#!/usr/bin/env bash
# Runs every benchmark program of a native benchmark build, then the Windows
# benchmark programs of a Windows benchmark build under Wine, and ends with
# one table of the lines the programs mark "@table" (what, figure, anchor,
# the anchor's figure from the same run, ratio, goal).
#   tools/run-bench.sh [native-build-dir] [windows-build-dir]
# The Windows build (default build/win-bench) is configured and built here
# when the cross compiler is present; VENTRO_SKIP_WINE_BENCH=1 skips it.
# What the Wine part starts (a private Xvfb, the prefix's Wine server) is
# stopped at the end; a display or server that was already there stays.
# The start-up is measured twice more with CPUs assigned: every request a
# program makes is a round trip to the one Wine server, and on a virtual
# machine a round trip to a server waiting on another CPU costs several
# times one on the same CPU. With everything on one CPU the ratio shows the
# programs' work; with the programs kept apart from the server it nears the
# ratio of their round trips. The goal's own run, where the system places
# each start, lands between the two. Last, when this script started the Wine
# server itself, the starts run once more under a server that logs every
# request, and tools/wine-requests.py counts each start's requests up to its
# answer: the work of a start where it is placed cannot change.
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
native="${1:-build/bench}"
win="${2:-build/win-bench}"
status=0
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT

# Runs one program, passing its output on and keeping its table rows.
run_one() {
  local out
  out=$(mktemp)
  "$@" >"$out"
  local rc=$?
  grep -v '^@table' "$out"
  grep '^@table' "$out" | tr -d '\r' >>"$rows"
  rm -f "$out"
  return $rc
}

shopt -s nullglob
found=0
while IFS= read -r -d '' prog; do
  found=1
  echo "== $(basename "$prog")"
  run_one "$prog" || status=1
done < <(find "$native" -type f -name '*_bench' -perm -u+x -print0 2>/dev/null | sort -z)
[ "$found" = 1 ] || echo "no native benchmarks found in $native"

if [ "${VENTRO_SKIP_WINE_BENCH:-0}" != 1 ] && command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
  cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DVENTRO_BENCH=ON -DVENTRO_TESTS=OFF -DCMAKE_BUILD_TYPE=Release \
    -DVENTRO_HOST_SKINTOOL="${VENTRO_HOST_SKINTOOL:-}" >/dev/null &&
    cmake --build "$win" -j"${JOBS:-2}" >/dev/null || status=1
  # Its exit trap stops the Xvfb and the Wine server this script starts.
  source "$root/tools/run-session.sh"
  server_log=""
  trap 'rm -f "$rows" $server_log; cleanup' EXIT
  while IFS= read -r -d '' prog; do
    echo "== $(basename "$prog") (Wine)"
    run_one "$root/tools/wine-run" "$prog" || status=1
  done < <(find "$win" -type f -name '*_bench.exe' -print0 2>/dev/null | sort -z)
  start_bench="$win/tools/startbench/start_bench.exe"
  if [ -f "$start_bench" ] && [ "$(nproc)" -ge 2 ] && command -v taskset >/dev/null; then
    echo "== start_bench.exe (Wine), the prefix's processes held on one CPU, then the programs on another"
    start_pinned() { # SERVER_CPU PROGRAM_CPU LABEL
      local p
      for p in $(ventro_prefix_pids); do taskset -a -p -c "$1" "$p" >/dev/null 2>&1; done
      VENTRO_START_SETTLE_MS=0 VENTRO_START_LABEL="$3" run_one taskset -c "$2" "$root/tools/wine-run" "$start_bench"
    }
    start_pinned 0 0 "everything on one CPU" || status=1
    start_pinned 0 1 "programs and Wine server on two CPUs" || status=1
    for p in $(ventro_prefix_pids); do taskset -a -p -c "0-$(($(nproc) - 1))" "$p" >/dev/null 2>&1; done
  fi
  # A server that was running before is left alone: restarting it would end
  # the programs it serves.
  if [ -f "$start_bench" ] && [ "$server_was_running" = 0 ]; then
    echo "== start_bench.exe (Wine) under a Wine server logging its requests"
    server_log=$(mktemp)
    ventro_stop_server
    # It returns once the new server listens; its log goes to its stderr.
    wineserver -d1 -p 2>"$server_log" >/dev/null </dev/null
    VENTRO_START_RUNS=3 VENTRO_START_SETTLE_MS=0 "$root/tools/wine-run" "$start_bench" >/dev/null || status=1
    ventro_stop_server
    run_one python3 "$root/tools/wine-requests.py" "$server_log" VentroADSL.exe empty_window.exe || status=1
  elif [ -f "$start_bench" ]; then
    echo "== the requests of each start are not counted: the prefix's Wine server was running before"
  fi
fi

if [ -s "$rows" ]; then
  echo
  echo "== every figure beside its anchor from the same run"
  { printf 'what\tfigure\tanchor\tanchor figure\tratio\tgoal\n'; cut -f2- "$rows"; } |
    awk -F'\t' '{ for (i = 1; i <= NF; ++i) { cell[NR, i] = $i; if (length($i) > w[i]) w[i] = length($i) } n = NR }
      END { for (r = 1; r <= n; ++r) { line = ""; for (i = 1; i <= 6; ++i) line = line sprintf("%-" w[i] "s  ", cell[r, i]); sub(/ +$/, "", line); print line } }'
fi
exit $status
