#!/usr/bin/env python3
"""check_resources.py WINDRES TARNOLUX_OBJ UNINSTALL_OBJ

Reads the compiled resource objects back (windres turns the COFF object
into a .res file) and checks what Windows will see in the programs: the
version numbers and texts that Explorer's Properties and GetFileVersionInfo
show, the translation that names the string block, and an icon group 1
with a 32x32 and a 16x16 image in 16 colours. No manifest may be there:
the windows rely on classic, unthemed controls for their colours.
"""
import os
import struct
import subprocess
import sys
import tempfile

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24

EXPECTED = {
    "Tarnolux": {
        "FileVersion": "1.70", "ProductVersion": "1.70",
        "FileDescription": "Tarnolux", "ProductName": "Tarnolux",
        "InternalName": "Tarnolux", "OriginalFilename": "Tarnolux.exe",
    },
    "Uninstall": {
        "FileVersion": "1.70", "ProductVersion": "1.70",
        "FileDescription": "Tarnolux Uninstaller",
        "ProductName": "Tarnolux Uninstaller",
        "InternalName": "Uninstall", "OriginalFilename": "Uninstall.exe",
    },
}

failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}: got {got!r}, want {want!r}")


def align4(n):
    return (n + 3) & ~3


def read_id(data, pos):
    """A resource type or name: 0xFFFF + ordinal, or a NUL-ended UTF-16 string."""
    if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0]:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def resources(res):
    """{(type, name): data} from the bytes of a .res file."""
    out, pos = {}, 0
    while pos + 8 <= len(res):
        size, header = struct.unpack_from("<II", res, pos)
        rtype, p = read_id(res, pos + 8)
        name, p = read_id(res, p)
        if size:
            out[(rtype, name)] = res[pos + header:pos + header + size]
        pos = align4(pos + header + size)
    return out


def version_node(data, pos):
    """One VS_VERSIONINFO-style node: (key, value bytes, is text, children)."""
    length, value_len, is_text = struct.unpack_from("<HHH", data, pos)
    end = pos + length
    key_end = pos + 6
    while struct.unpack_from("<H", data, key_end)[0]:
        key_end += 2
    key = data[pos + 6:key_end].decode("utf-16-le")
    p = align4(key_end + 2)
    nbytes = value_len * 2 if is_text else value_len
    value = data[p:p + nbytes]
    p = align4(p + nbytes)
    children = []
    while p < end:
        child = version_node(data, p)
        children.append(child[:4])
        p = align4(child[4])
    return key, value, is_text, children, end


def text(value):
    return value.decode("utf-16-le").rstrip("\0")


def check_version(label, data, want):
    key, fixed, _, children, _ = version_node(data, 0)
    check(f"{label} root key", key, "VS_VERSION_INFO")
    sig, _, file_ms, file_ls, prod_ms, prod_ls = struct.unpack_from("<6I", fixed)
    check(f"{label} fixed signature", hex(sig), hex(0xFEEF04BD))
    check(f"{label} FILEVERSION", (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16,
                                   file_ls & 0xFFFF), (1, 70, 0, 0))
    check(f"{label} PRODUCTVERSION", (prod_ms >> 16, prod_ms & 0xFFFF, prod_ls >> 16,
                                      prod_ls & 0xFFFF), (1, 70, 0, 0))
    blocks = {c[0]: c for c in children}
    check(f"{label} blocks", sorted(blocks), ["StringFileInfo", "VarFileInfo"])
    tables = blocks.get("StringFileInfo", ("", b"", 0, []))[3]
    check(f"{label} string tables", [t[0] for t in tables], ["040904B0"])
    strings = {s[0]: text(s[1]) for t in tables for s in t[3]}
    check(f"{label} strings", strings, want)
    var = blocks.get("VarFileInfo", ("", b"", 0, []))[3]
    translation = [v[1] for v in var if v[0] == "Translation"]
    check(f"{label} Translation", translation, [struct.pack("<HH", 0x0409, 1200)])


def check_icons(label, res):
    group = res.get((RT_GROUP_ICON, 1))
    if group is None:
        failures.append(f"{label}: no icon group with id 1")
        return
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    check(f"{label} icon group type", kind, 1)
    sizes = []
    for i in range(count):
        w, h, colours, _, planes, bits, _, icon_id = struct.unpack_from(
            "<BBBBHHIH", group, 6 + 14 * i)
        image = res.get((RT_ICON, icon_id), b"")
        dib_bits = struct.unpack_from("<H", image, 14)[0] if len(image) >= 40 else None
        sizes.append((w, h, colours, planes, bits, dib_bits))
    check(f"{label} icon images (w, h, colours, planes, bits, DIB bits)",
          sorted(sizes), [(16, 16, 16, 1, 4, 4), (32, 32, 16, 1, 4, 4)])


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    windres = sys.argv[1]
    for label, obj in zip(EXPECTED, sys.argv[2:]):
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "out.res")
            subprocess.run([windres, "-J", "coff", "-i", obj, "-O", "res", "-o", out],
                           check=True)
            with open(out, "rb") as f:
                res = resources(f.read())
        versions = [k for k in res if k[0] == RT_VERSION]
        check(f"{label} version resources", versions, [(RT_VERSION, 1)])
        if versions:
            check_version(label, res[versions[0]], EXPECTED[label])
        check_icons(label, res)
        check(f"{label} manifests", [k for k in res if k[0] == RT_MANIFEST], [])
    for f in failures:
        print("FAIL", f)
    print("resources:", "ok" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
