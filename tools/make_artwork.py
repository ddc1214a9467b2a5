#!/usr/bin/python3
"""Draws the launcher's artwork into src/res/.

Run from anywhere: /usr/bin/python3 tools/make_artwork.py
Needs python3-pil and fonts-wqy-microhei. The output is deterministic, so a
second run reproduces the committed files byte for byte.
"""
import os
import struct
import sys

from PIL import Image, ImageDraw

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(TOP, "src", "res")


def write_ico(path, img):
    """One 32-bit image, stored as a DIB (not PNG) so that every loader reads it."""
    img = img.convert("RGBA")
    w, h = img.size
    px = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    row = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(row)
        for x in range(w):
            if px[x, y][3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    body = header + xor + mask
    out = struct.pack("<HHH", 0, 1, 1)
    out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(body), 6 + 16)
    out += body
    with open(path, "wb") as f:
        f.write(out)


def uninstall_icon():
    """16 x 16: a grey bin with a red cross, drawn at 4x and reduced for smooth edges."""
    s = 4
    im = Image.new("RGBA", (16 * s, 16 * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    # lid and handle
    d.rounded_rectangle((2 * s, 2.5 * s, 14 * s - 1, 4.5 * s), radius=s, fill=(120, 126, 138, 255))
    d.rectangle((6 * s, 1 * s, 10 * s - 1, 2.5 * s), outline=(120, 126, 138, 255), width=s // 2 + 1)
    # body
    d.polygon([(3 * s, 5 * s), (13 * s, 5 * s), (12 * s, 15 * s), (4 * s, 15 * s)], fill=(168, 174, 186, 255),
              outline=(96, 102, 114, 255))
    for x in (6, 8, 10):
        d.line((x * s, 7 * s, x * s, 13 * s), fill=(110, 116, 128, 255), width=s // 2)
    # red cross, lower right
    d.ellipse((8 * s, 8 * s, 16 * s - 1, 16 * s - 1), fill=(206, 40, 36, 255), outline=(140, 20, 18, 255), width=2)
    d.line((10 * s, 10 * s, 14 * s, 14 * s), fill=(255, 255, 255, 255), width=s + 2)
    d.line((14 * s, 10 * s, 10 * s, 14 * s), fill=(255, 255, 255, 255), width=s + 2)
    return im.resize((16, 16), Image.LANCZOS)


def main():
    os.makedirs(RES, exist_ok=True)
    write_ico(os.path.join(RES, "uninstall.ico"), uninstall_icon())
    return 0


if __name__ == "__main__":
    sys.exit(main())
