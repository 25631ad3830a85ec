#!/usr/bin/env python3
"""check_test_programs.py CHECK EXE...: the Windows 95/98 check of the
Wine test programs, which keep the toolchain's runtime for doctest.

Each program must pass ../shared/win9x/check (target Windows 98) except
for the imports the test framework itself brings, listed below; any other
error fails. Prints the check's verdict for each program and what was let
through."""
import subprocess
import sys

# What doctest's own code imports: its debugger test and its file output
# through <iostream>. None of it is in a shipped program.
FRAMEWORK = (
    "KERNEL32.dll!IsDebuggerPresent",
    "msvcrt.dll!_wfopen",
    "msvcrt.dll!_fstat64",
)


def main(argv):
    check, programs = argv[1], argv[2:]
    if not programs:
        print("check_test_programs: no programs given")
        return 2
    failed = 0
    for program in programs:
        out = subprocess.run([sys.executable, check, program], capture_output=True, text=True)
        errors = [line.strip() for line in out.stdout.splitlines() if line.strip().startswith("ERROR")]
        allowed = [e for e in errors if any(f"import {f}:" in e for f in FRAMEWORK)]
        other = [e for e in errors if e not in allowed]
        verdict = "FAIL" if other or out.returncode not in (0, 1) else "PASS"
        print(f"{verdict} {program} ({len(allowed)} framework imports let through)")
        for line in other:
            print("  " + line)
        failed += verdict == "FAIL"
    print(f"test programs: {len(programs) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
