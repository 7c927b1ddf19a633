#!/usr/bin/env python3
"""Counts the Wine server requests of each start in a server log.

Reads the log of a Wine server run with `wineserver -f -d1` while start_bench
started the programs, and counts, for every start of each named program, the
requests its threads made from the process's creation to its answer to the
bench's WM_NULL (the reply to that sent message). Every request is a round
trip to the server, so the counts are the share of a start the machine's
scheduling cannot change. Of them, the display-cache checks are counted apart:
the platform makes one (three requests, the first get_process_winstation)
before each look at the monitors, in window moves, new device contexts and
screen metrics alike.

  wine-requests.py LOG PROGRAM... [--warm-ups N]

The last program is the anchor. The first N starts of each program (default
1, start_bench's warm-up) are left out; the medians of the others are printed,
with table rows for run-bench.sh.
"""
import argparse
import re
import statistics
import sys

REQUEST = re.compile(r"([0-9a-f]{4,8}): (\w+)\((.*)")


class Start:
    def __init__(self, program, pid):
        self.program = program
        self.pid = pid
        self.threads = set()
        self.requests = 0
        self.checks = 0
        self.sent_to = None  # the thread the bench's WM_NULL went to
        self.answered = False


def count_starts(lines, programs):
    """The starts of the programs in the log, in order, with their counts."""
    starts = []
    by_thread = {}  # thread -> its start while that start has not answered
    creating = {}  # thread asking for a new process -> program or None
    threads_asked = set()  # threads of a start asking for a new thread
    for line in lines:
        m = REQUEST.match(line)
        if not m:
            continue
        thread, name, rest = m.groups()
        is_reply = rest.startswith(")")
        if name == "new_process":
            if is_reply:
                program = creating.pop(thread, None)
                pid = re.search(r"\bpid=([0-9a-f]+)", rest)
                if program and pid:
                    starts.append(Start(program, pid.group(1)))
            else:
                image = re.search(r'imagepath=L"([^"]*)"', rest)
                path = image.group(1).lower() if image else ""
                creating[thread] = next(
                    (p for p in programs if path.endswith("\\" + p.lower()) or path == p.lower()), None
                )
            continue
        if name == "init_first_thread" and is_reply:
            pid = re.search(r"\bpid=([0-9a-f]+)", rest)
            for start in starts:
                if pid and start.pid == pid.group(1) and not start.answered:
                    start.threads.add(thread)
                    by_thread[thread] = start
            continue
        if name == "new_thread" and thread in by_thread:
            if not is_reply and "process=ffffffff" in rest:
                threads_asked.add(thread)
            elif is_reply and thread in threads_asked:
                threads_asked.discard(thread)
                tid = re.search(r"\btid=([0-9a-f]+)", rest)
                if tid:
                    by_thread[tid.group(1)] = by_thread[thread]
                    by_thread[thread].threads.add(tid.group(1))
        if name == "send_message" and not is_reply and re.search(r"\bmsg=00000000\b", rest):
            to = re.search(r"\bid=([0-9a-f]+)", rest)
            start = by_thread.get(to.group(1)) if to else None
            if start and start.sent_to is None and thread not in start.threads:
                start.sent_to = to.group(1)
        start = by_thread.get(thread)
        if start is None or is_reply:
            continue
        start.requests += 1
        if name == "get_process_winstation":
            start.checks += 1
        if name == "reply_message" and thread == start.sent_to:
            start.answered = True
            for t in start.threads:
                by_thread.pop(t, None)
    return [s for s in starts if s.answered]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("log")
    parser.add_argument("programs", nargs="+")
    parser.add_argument("--warm-ups", type=int, default=1)
    args = parser.parse_args(argv)
    with open(args.log, errors="replace") as f:
        starts = count_starts(f, args.programs)
    figures = {}
    for program in args.programs:
        mine = [s for s in starts if s.program == program][args.warm_ups :]
        if not mine:
            print(f"{program}: no start answered in the log")
            return 1
        figures[program] = (
            statistics.median_low(s.requests for s in mine),
            statistics.median_low(s.checks for s in mine),
            len(mine),
        )
    anchor = args.programs[-1]
    a_requests, a_checks, _ = figures[anchor]
    for program in args.programs:
        requests, checks, n = figures[program]
        print(f"{program:24s} {requests:6d} requests, {checks:4d} display-cache checks (median of {n} starts)")
        if program == anchor:
            continue
        print(
            f"@table\tWine server requests to an answering window\t{requests}\t{anchor}\t{a_requests}"
            f"\t{requests / a_requests:.2f}\t"
        )
        print(
            f"@table\tof them display-cache checks (3 requests each)\t{checks}\t{anchor}\t{a_checks}"
            f"\t{checks / a_checks:.2f}\t"
        )
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
