#!/usr/bin/env python3
"""ico4.py OUT.ico IMAGE...: packs square images into one 16-colour icon.

Each image (any format ImageMagick reads; we keep ours as XPM) becomes a
4-bit DIB with the standard 16-colour VGA palette, so the icon looks the
same on a 16-colour Windows 95 desktop as on a true-colour one. Opaque
pixels must already be palette colours: nothing is dithered or guessed,
an odd colour is an error. Pixels with alpha below one half are
transparent: palette index 0 (black) in the colour bits and 1 in the AND
mask, which is what Windows needs to let the desktop show through.
"""
import struct
import subprocess
import sys

VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def read_rgba(path):
    size = subprocess.run(["convert", path, "-format", "%w %h", "info:"],
                          check=True, capture_output=True, text=True).stdout
    w, h = map(int, size.split())
    raw = subprocess.run(["convert", path, "-depth", "8", "rgba:-"],
                         check=True, capture_output=True).stdout
    if len(raw) != w * h * 4:
        sys.exit(f"ico4: {path}: unexpected pixel data")
    return w, h, raw


def row_bytes(bits_per_pixel, width):
    return (bits_per_pixel * width + 31) // 32 * 4


def dib(path):
    """The icon image: BITMAPINFOHEADER, palette, colour bits, AND mask."""
    w, h, raw = read_rgba(path)
    if w != h or w > 255:
        sys.exit(f"ico4: {path}: {w}x{h} is not a square icon size")
    xor_row, and_row = row_bytes(4, w), row_bytes(1, w)
    xor = bytearray(xor_row * h)
    mask = bytearray(and_row * h)
    for y in range(h):
        out = h - 1 - y  # DIB rows run bottom-up
        for x in range(w):
            r, g, b, a = raw[(y * w + x) * 4:(y * w + x) * 4 + 4]
            if a < 128:
                index = 0
                mask[out * and_row + x // 8] |= 0x80 >> (x % 8)
            elif (r, g, b) in VGA:
                index = VGA.index((r, g, b))
            else:
                sys.exit(f"ico4: {path}: pixel {x},{y} #{r:02X}{g:02X}{b:02X} "
                         "is not a 16-colour palette colour")
            xor[out * xor_row + x // 2] |= index << (4 if x % 2 == 0 else 0)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA)
    return w, header + palette + bytes(xor) + bytes(mask)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    images = [dib(p) for p in sys.argv[2:]]
    offset = 6 + 16 * len(images)
    directory = b""
    for w, data in images:
        directory += struct.pack("<BBBBHHII", w, w, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        f.write(directory)
        for _, data in images:
            f.write(data)


if __name__ == "__main__":
    main()
