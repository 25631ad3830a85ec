#!/usr/bin/env python3
"""check_stack.py OBJDUMP EXE...: no function of a program moves the
stack pointer down by a page or more at once.

Windows grows a thread's stack through one guard page: a function that
reserves more than a page and touches its far end first skips the guard
and faults. The shipped programs are built without the compiler's stack
probes (the build refuses any frame of 4000 bytes or more); this reads
the machine code itself, so that nothing the flag does not see (a large
argument passed by value) slips through either. Only moves by a constant
are read: the shipped code has no variable-sized frames."""
import re
import subprocess
import sys

LIMIT = 4000
# "sub $0x1d8,%esp" and its mirror "add $0xfffff000,%esp".
MOVE = re.compile(r"\t(sub|add)\s+\$0x([0-9a-f]+),%esp$")


def largest_move(objdump, program):
    out = subprocess.run([objdump, "-d", "--no-show-raw-insn", program],
                         capture_output=True, text=True, check=True).stdout
    largest, where = 0, ""
    for line in out.splitlines():
        match = MOVE.search(line)
        if not match:
            continue
        size = int(match.group(2), 16)
        if match.group(1) == "add":
            size = (1 << 32) - size if size >= 1 << 31 else 0
        if size > largest:
            largest, where = size, line.strip()
    return largest, where


def main(argv):
    objdump, programs = argv[1], argv[2:]
    moves = [(program, *largest_move(objdump, program)) for program in programs]
    for program, size, where in moves:
        print(f"{program}: largest stack move {size} bytes ({where}):",
              "ok" if size < LIMIT else "TOO LARGE")
    return 0 if moves and all(size < LIMIT for _, size, _ in moves) else 1

if __name__ == "__main__":
    sys.exit(main(sys.argv))
