#!/usr/bin/env python3
"""Checks the form of the user documents.

check_docs.py README_TXT README_MD

readme.txt is read on Windows 95/98 in Notepad: cp1252 bytes, CRLF line
ends, at most 80 columns, no tabs. README.md must show only pictures that
exist, and every committed screenshot must be shown.
"""
import os
import re
import sys

MAX_COLUMNS = 80
# Byte values that cp1252 leaves undefined.
UNDEFINED_CP1252 = {0x81, 0x8D, 0x8F, 0x90, 0x9D}
# A UTF-8 lead byte followed by the right number of continuation bytes.
UTF8_SEQUENCE = re.compile(
    rb"[\xC2-\xDF][\x80-\xBF]|[\xE0-\xEF][\x80-\xBF]{2}|[\xF0-\xF4][\x80-\xBF]{3}")


def readme_txt_faults(data):
    faults = []
    if data.startswith(b"\xEF\xBB\xBF"):
        faults.append("starts with a UTF-8 byte order mark")
    if not data.endswith(b"\r\n"):
        faults.append("does not end with CRLF")
    lines = data.split(b"\r\n")
    for number, line in enumerate(lines, start=1):
        if b"\n" in line or b"\r" in line:
            faults.append(f"line {number}: a bare LF or CR")
        if len(line) > MAX_COLUMNS:
            faults.append(f"line {number}: {len(line)} columns")
        for byte in line:
            if byte in UNDEFINED_CP1252:
                faults.append(f"line {number}: byte 0x{byte:02X} is not cp1252")
            elif byte < 0x20 and byte not in (0x0D, 0x0A):
                faults.append(f"line {number}: control byte 0x{byte:02X}")
        match = UTF8_SEQUENCE.search(line)
        if match:
            faults.append(f"line {number}: UTF-8 sequence {match.group(0)!r}")
    text = data.decode("cp1252", errors="replace")
    for heading in ("Installing", "Backup", "Uninstalling", "Nederlands"):
        if not re.search(rf"^{heading}\r\n[-=]+\r\n", text, re.M):
            faults.append(f'no "{heading}" section')
    for name in ("Tarnolux.exe", "Uninstall.exe", "pic1.jpg", "pic2.jpg", "readme.txt"):
        if name not in text:
            faults.append(f"{name} is not mentioned")
    return faults


def readme_md_faults(path):
    root = os.path.dirname(os.path.abspath(path))
    with open(path, encoding="utf-8") as f:
        text = f.read()
    faults = []
    shown = set()
    for target in re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", text):
        full = os.path.normpath(os.path.join(root, target))
        shown.add(full)
        if not os.path.isfile(full):
            faults.append(f"README.md shows {target}, which does not exist")
    shots = os.path.join(root, "docs", "screenshots")
    if not shown:
        faults.append("README.md shows no screenshots")
    if os.path.isdir(shots):
        for name in sorted(os.listdir(shots)):
            full = os.path.join(shots, name)
            if name.endswith(".png") and full not in shown:
                faults.append(f"docs/screenshots/{name} is not shown in README.md")
    if "ARCHITECTURE.md" not in text:
        faults.append("README.md does not link ARCHITECTURE.md")
    return faults


def main(argv):
    with open(argv[1], "rb") as f:
        faults = [f"readme.txt: {fault}" for fault in readme_txt_faults(f.read())]
    if len(argv) > 2:
        faults += readme_md_faults(argv[2])
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
