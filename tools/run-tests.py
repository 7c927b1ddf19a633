#!/usr/bin/env python3
"""Runs every test of the native and the Windows build and prints one summary.

Each CTest entry is a test program; GoogleTest programs write an XML report, so
the summary counts their test cases. A program that crashed or left no report
counts as one failed test; other programs count as one test each.
"""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run_ctest(build):
    build = os.path.abspath(build)
    results = os.path.join(build, 'test-results')
    os.makedirs(results, exist_ok=True)
    for name in os.listdir(results):
        os.remove(os.path.join(results, name))
    junit = os.path.join(build, 'ctest-junit.xml')
    if os.path.exists(junit):
        os.remove(junit)
    jobs = os.environ.get('VENTRO_TEST_JOBS', '2')
    subprocess.run(['ctest', '--test-dir', build, '--output-on-failure', '-j', jobs,
                    '--output-junit', junit], check=False)
    passed = failed = 0
    if not os.path.exists(junit):
        print(f'run-tests: no results from {build}')
        return 0, 1
    for case in ET.parse(junit).getroot().iter('testcase'):
        name = case.get('name')
        status = case.get('status', 'run')
        ok = case.find('failure') is None and case.find('error') is None and status != 'fail'
        if case.find('skipped') is not None or status in ('notrun', 'disabled'):
            continue
        report = os.path.join(results, name + '.xml')
        if os.path.exists(report):
            root = ET.parse(report).getroot()
            total = int(root.get('tests', 0)) - int(root.get('disabled', 0))
            bad = int(root.get('failures', 0)) + int(root.get('errors', 0))
            skipped = sum(1 for c in root.iter('testcase') if c.find('skipped') is not None)
            total -= skipped
            if not ok and bad == 0:
                bad = 1  # the program failed after its report (crash at exit, leak report)
                total += 1
            passed += total - bad
            failed += bad
        elif ok:
            passed += 1
        else:
            failed += 1
    return passed, failed


def main():
    builds = sys.argv[1:]
    passed = failed = 0
    for build in builds:
        print(f'=== tests of {os.path.relpath(build, ROOT)} ===', flush=True)
        p, f = run_ctest(build)
        print(f'--- {os.path.relpath(build, ROOT)}: {p} passed, {f} failed', flush=True)
        passed += p
        failed += f
    print(f'{passed} passed, {failed} failed')
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
