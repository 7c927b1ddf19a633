#!/usr/bin/env bash
# tools/wine-requests.py on a made-up Wine server log: it counts each start's
# requests from its process's creation to its reply to the bench's WM_NULL,
# its own threads' alone (a second thread included, other processes and the
# bench left out), the display-cache checks among them, and leaves the
# warm-up start out of the medians.
#   WineRequestsCountToTheAnswer.sh REPOSITORY
set -u
root="$1"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The bench is thread 0010. start PID TID PROGRAM REQUESTS CHECKS: a start
# whose main thread makes REQUESTS plain requests and CHECKS display checks
# before the WM_NULL comes, then answers it and goes on.
start() {
  local pid=$1 tid=$2 program=$3 requests=$4 checks=$5 i
  echo "0010: new_process( token=0000, info={curdir=L\"C:\\\\\",imagepath=L\"Z:\\\\build\\\\$program\",cmdline=L\"x\"} )"
  echo "0010: new_process() = 0 { info=0040, pid=$pid, handle=0044 }"
  echo "$tid: init_first_thread( unix_pid=1, unix_tid=1, debug_level=0, reply_fd=5, wait_fd=7 )"
  echo "$tid: init_first_thread() = 0 { pid=$pid, tid=$tid, server_start=0, session_id=00000001 }"
  echo "0030: get_key_value( hkey=0018, name=L\"other process\" )"
  for ((i = 0; i < requests; i++)); do
    echo "$tid: create_window( parent=00020030, owner=00000000, class=L\"X\" )"
    echo "$tid: create_window() = 0 { handle=00010020 }"
  done
  for ((i = 0; i < checks; i++)); do
    echo "$tid: get_process_winstation( )"
    echo "$tid: get_process_winstation() = 0 { handle=0004 }"
    echo "$tid: set_user_object_info( handle=0004, flags=00000000, obj_flags=00000000 )"
    echo "$tid: enum_key( hkey=006c, index=-1, info_class=0 )"
  done
  echo "0010: send_message( id=$tid, type=5, flags=0, win=00010020, msg=00000000, wparam=00000000, lparam=00000000, timeout=+30.0000000, data={} )"
  echo "$tid: get_message( flags=00000001, get_win=00000000, get_first=00000000, get_last=ffffffff )"
  echo "$tid: reply_message( remove=1, result=00000000, data={} )"
  echo "$tid: destroy_window( handle=00010020 )"
}
{
  start 0100 0104 dialer.exe 50 1 # the warm-up: left out
  start 0200 0204 empty.exe 30 9
  # A second thread of the dialer, made before the answer, counts with it.
  echo "0010: new_process( info={imagepath=L\"Z:\\\\build\\\\dialer.exe\"} )"
  echo "0010: new_process() = 0 { info=0040, pid=0300, handle=0044 }"
  echo "0304: init_first_thread() = 0 { pid=0300, tid=0304 }"
  echo "0304: new_thread( process=ffffffff, access=001fffff, suspend=0, request_fd=9 )"
  echo "0304: new_thread() = 0 { tid=0308, handle=0050 }"
  echo "0308: init_thread() = 0 { suspend=0 }"
  for i in 1 2 3 4; do echo "0308: get_key_value( hkey=0018, name=L\"worker\" )"; done
  echo "0304: get_process_winstation( )"
  echo "0304: set_user_object_info( handle=0004, flags=00000000, obj_flags=00000000 )"
  echo "0304: enum_key( hkey=006c, index=-1, info_class=0 )"
  echo "0010: send_message( id=0304, type=5, flags=0, win=00010024, msg=00000000, timeout=+30.0000000 )"
  echo "0304: reply_message( remove=1, result=00000000, data={} )"
  for i in 1 2 3; do echo "0308: get_key_value( hkey=0018, name=L\"after the answer\" )"; done
  start 0400 0404 empty.exe 20 5
  start 0500 0504 dialer.exe 70 3
  start 0600 0604 empty.exe 40 4
  # A start that never answered is not counted.
  echo "0010: new_process( info={imagepath=L\"Z:\\\\build\\\\dialer.exe\"} )"
  echo "0010: new_process() = 0 { info=0040, pid=0700, handle=0044 }"
  echo "0704: init_first_thread() = 0 { pid=0700, tid=0704 }"
  for i in $(seq 200); do echo "0704: get_key_value( hkey=0018, name=L\"crashed\" )"; done
} >"$log"
out=$(python3 "$root/tools/wine-requests.py" "$log" dialer.exe empty.exe)
echo "$out"
failures=0
expect() { grep -qF -- "$1" <<<"$out" || { echo "FAIL: no line with: $1"; failures=$((failures + 1)); }; }
# The dialer's two counted starts: 1 + 4 + 3 + 1 (new_thread, the worker's,
# the check, the reply) = 9 and 70 + 3 * 3 + 2 = 81; the lower median of two
# is the first. Empty (warm-up 30 + 27 + 2 left out): 20 + 15 + 2 = 37 and
# 40 + 12 + 2 = 54. The warm-ups, the worker's requests after the answer or
# the start that never answered, counted, would each change a median.
expect "dialer.exe                    9 requests,    1 display-cache checks (median of 2 starts)"
expect "empty.exe                    37 requests,    4 display-cache checks (median of 2 starts)"
expect $'@table\tWine server requests to an answering window\t9\tempty.exe\t37\t0.24\t'
expect $'@table\tof them display-cache checks (3 requests each)\t1\tempty.exe\t4\t0.25\t'
if python3 "$root/tools/wine-requests.py" "$log" dialer.exe missing.exe >/dev/null; then
  echo "FAIL: a program without an answered start passed"
  failures=$((failures + 1))
fi
exit $((failures > 0))
