#!/usr/bin/python3
"""Draws the launcher's artwork into src/res/.

Run from anywhere: /usr/bin/python3 tools/make_artwork.py
Needs python3-pil, fonts-liberation and fonts-wqy-microhei (scripts/setup installs them). The
drawing is deterministic, so a second run reproduces the committed files byte for byte.

Outputs: src/res/png/<id>.png (the skin, RGBA), src/res/login_background.bmp (24 bits),
src/res/launcher.ico and src/res/uninstall.ico (32-bit DIB images).
"""
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

from artwork_draw import (GOLD, SS, band, chinese_font, down, glyph_layer, label_button, latin_font,
                          shade_rect)

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(TOP, "src", "res")
PNG_DIR = os.path.join(RES, "png")


# ---------------------------------------------------------------- file writers

def write_png(ident, img, size):
    assert img.size == size, (ident, img.size, size)
    img = img.convert("RGBA")
    os.makedirs(PNG_DIR, exist_ok=True)
    img.save(os.path.join(PNG_DIR, "%d.png" % ident), optimize=True)


def dib_entry(img):
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
    return header + xor + mask


def write_ico(path, images):
    """32-bit images stored as DIBs (not PNG), so that every loader reads them."""
    bodies = [dib_entry(im) for im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for im, body in zip(images, bodies):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    with open(path, "wb") as f:
        f.write(out + b"".join(bodies))


# ---------------------------------------------------------------- icons

def uninstall_icon():
    """16 x 16: a grey bin with a red cross, drawn at 4x and reduced for smooth edges."""
    s = 4
    im = Image.new("RGBA", (16 * s, 16 * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    d.rounded_rectangle((2 * s, 2.5 * s, 14 * s - 1, 4.5 * s), radius=s, fill=(120, 126, 138, 255))
    d.rectangle((6 * s, 1 * s, 10 * s - 1, 2.5 * s), outline=(120, 126, 138, 255), width=s // 2 + 1)
    d.polygon([(3 * s, 5 * s), (13 * s, 5 * s), (12 * s, 15 * s), (4 * s, 15 * s)], fill=(168, 174, 186, 255),
              outline=(96, 102, 114, 255))
    for x in (6, 8, 10):
        d.line((x * s, 7 * s, x * s, 13 * s), fill=(110, 116, 128, 255), width=s // 2)
    d.ellipse((8 * s, 8 * s, 16 * s - 1, 16 * s - 1), fill=(206, 40, 36, 255), outline=(140, 20, 18, 255), width=2)
    d.line((10 * s, 10 * s, 14 * s, 14 * s), fill=(255, 255, 255, 255), width=s + 2)
    d.line((14 * s, 10 * s, 10 * s, 14 * s), fill=(255, 255, 255, 255), width=s + 2)
    return im.resize((16, 16), Image.LANCZOS)


def launcher_icon(size):
    """The game's emblem: a gold 'V' on a deep red shield."""
    s = 256
    im = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    shield = [(128, 8), (236, 44), (226, 150), (128, 248), (30, 150), (20, 44)]
    d.polygon(shield, fill=(210, 168, 80, 255))
    inner = [(128, 26), (218, 56), (210, 146), (128, 226), (46, 146), (38, 56)]
    d.polygon(inner, fill=(120, 18, 24, 255))
    for i in range(60):
        y = 56 + i * 2
        d.line((44, y, 212, y), fill=(150 - i, 24, 30, 40))
    font = latin_font("LiberationSerif-BoldItalic.ttf", 200)
    d.text((128, 124), "V", font=font, anchor="mm", fill=(250, 214, 120, 255), stroke_width=6,
           stroke_fill=(70, 10, 12, 255))
    return down(im, (size, size))


# ---------------------------------------------------------------- title bar

def title_left():
    im = band(103, 30)
    d = ImageDraw.Draw(im)
    font = latin_font("LiberationSerif-BoldItalic.ttf", 21)
    d.text((9, 15), "Velmora", font=font, anchor="lm", fill=(60, 30, 8, 255), stroke_width=2,
           stroke_fill=(20, 8, 2, 200))
    d.text((8, 14), "Velmora", font=font, anchor="lm", fill=GOLD)
    # a small flourish under the logo
    d.line((12, 25, 86, 25), fill=(200, 150, 60, 160))
    d.line((40, 26, 60, 26), fill=(240, 200, 110, 200))
    return im


def title_fill():
    return band(1, 30)


def title_right():
    return band(92, 30)


def window_glyph(kind, look):
    """28 x 26 close / maximise / restore / minimise glyph, look normal, highlight or pressed."""
    w, h = 28, 26

    def draw(d, s, colour):
        cx, cy = 14 * s, 13 * s
        width = max(2, int(1.6 * s))
        if kind == "close":
            r = 4.5 * s
            d.line((cx - r, cy - r, cx + r, cy + r), fill=colour, width=width)
            d.line((cx - r, cy + r, cx + r, cy - r), fill=colour, width=width)
        elif kind == "maximise":
            d.rectangle((cx - 5 * s, cy - 4.5 * s, cx + 5 * s, cy + 4.5 * s), outline=colour, width=width)
            d.rectangle((cx - 5 * s, cy - 4.5 * s, cx + 5 * s, cy - 3 * s), fill=colour)
        elif kind == "restore":
            d.rectangle((cx - 2.5 * s, cy - 6 * s, cx + 6 * s, cy + 1.5 * s), outline=colour, width=width)
            d.rectangle((cx - 6 * s, cy - 2.5 * s, cx + 2.5 * s, cy + 5.5 * s), fill=(0, 0, 0, 0))
            d.rectangle((cx - 6 * s, cy - 2.5 * s, cx + 2.5 * s, cy + 5.5 * s), outline=colour, width=width)
        elif kind == "minimise":
            d.rectangle((cx - 5 * s, cy + 3 * s, cx + 5 * s, cy + 4.6 * s), fill=colour)

    back = None
    if look == "highlight":
        back = (196, 52, 40, 230) if kind == "close" else (255, 230, 170, 60)
    elif look == "pressed":
        back = (140, 30, 24, 240) if kind == "close" else (0, 0, 0, 110)
    colour = {"normal": (226, 214, 190, 255), "highlight": (255, 250, 236, 255),
              "pressed": (214, 200, 176, 255)}[look]
    return glyph_layer((w, h), back, draw, colour, offset=1 if look == "pressed" else 0)


# ---------------------------------------------------------------- message box

def message_panel():
    w, h = 256, 110
    s = SS
    im = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    shade_rect(im, (0, 0, w * s, h * s), (74, 44, 26), (34, 18, 10))
    # title strip
    shade_rect(im, (3 * s, 3 * s, (w - 3) * s, 28 * s), (98, 58, 30), (62, 34, 18))
    d.line((10 * s, 28 * s, (w - 10) * s, 28 * s), fill=(214, 170, 90, 200), width=s)
    # outer and inner frame
    d.rectangle((0, 0, w * s - 1, h * s - 1), outline=(24, 12, 6, 255), width=s)
    d.rectangle((2 * s, 2 * s, (w - 2) * s - 1, (h - 2) * s - 1), outline=(196, 150, 74, 255), width=s)
    d.rectangle((4 * s, 4 * s, (w - 4) * s - 1, (h - 4) * s - 1), outline=(120, 84, 40, 180), width=s // 2)
    # ornaments: diamonds in the corners and at the ends of the title strip
    for (x, y) in ((2, 2), (w - 2, 2), (2, h - 2), (w - 2, h - 2)):
        r = 4 * s
        d.polygon([(x * s, y * s - r), (x * s + r, y * s), (x * s, y * s + r), (x * s - r, y * s)],
                  fill=(230, 186, 96, 255), outline=(90, 56, 20, 255))
    for x in (70, w - 70):
        r = 2.5 * s
        d.polygon([(x * s, 16 * s - r), (x * s + r, 16 * s), (x * s, 16 * s + r), (x * s - r, 16 * s)],
                  fill=(230, 186, 96, 255))
        d.line(((x - 40 if x < w / 2 else x + 8) * s, 16 * s, (x - 8 if x < w / 2 else x + 40) * s, 16 * s),
               fill=(200, 156, 80, 160), width=s // 2)
    return down(im, (w, h))


def message_plate(label, look):
    """82 x 34 plate: OK is warm gold, Cancel a quieter bronze."""
    w, h = 82, 34
    s = SS
    im = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    warm = label == "确定"
    top, bottom = ((232, 170, 70), (168, 96, 30)) if warm else ((150, 110, 78), (92, 62, 40))
    if look == "highlight":
        top = tuple(min(255, c + 22) for c in top)
        bottom = tuple(min(255, c + 18) for c in bottom)
    body = Image.new("RGBA", im.size, (0, 0, 0, 0))
    shade_rect(body, (0, 0, w * s, h * s), top, bottom)
    mask = Image.new("L", im.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((2 * s, 3 * s, (w - 2) * s, (h - 3) * s), radius=6 * s, fill=255)
    im.paste(body, (0, 0), mask)
    d.rounded_rectangle((2 * s, 3 * s, (w - 2) * s, (h - 3) * s), radius=6 * s, outline=(60, 30, 10, 255),
                        width=s)
    d.rounded_rectangle((3 * s, 4 * s, (w - 3) * s, (h - 4) * s), radius=5 * s,
                        outline=(255, 234, 180, 150), width=s // 2)
    font = chinese_font(15 * s)
    d.text((w * s // 2, h * s // 2 + s // 2), label, font=font, anchor="mm", fill=(255, 250, 236, 255),
           stroke_width=s, stroke_fill=(80, 36, 8, 230))
    return down(im, (w, h))


def small_glyph(size, look, draw, hot_back, pressed_back, base=(236, 222, 200, 255)):
    """A login or message-box glyph on a round backdrop that appears when lit or pressed."""
    colour = {"normal": base, "highlight": (255, 255, 255, 255), "pressed": (200, 180, 150, 255)}[look]
    back = {"normal": None, "highlight": hot_back, "pressed": pressed_back}[look]
    return glyph_layer((size, size), back, draw, colour, round_back=True)


def small_close(size, look, base=(236, 222, 200, 255)):
    def draw(d, s, c):
        pad = size * s * 0.22
        width = max(2, int(size * s * 0.13))
        d.line((pad, pad, size * s - pad, size * s - pad), fill=c, width=width)
        d.line((pad, size * s - pad, size * s - pad, pad), fill=c, width=width)

    return small_glyph(size, look, draw, (196, 52, 40, 220), (130, 28, 22, 230), base)


def small_minimise(size, look):
    def draw(d, s, c):
        d.rectangle((size * s * 0.25, size * s * 0.6, size * s * 0.75, size * s * 0.7), fill=c)

    return small_glyph(size, look, draw, (255, 230, 170, 80), (0, 0, 0, 120))


# ---------------------------------------------------------------- overlay mask

def veil():
    return Image.new("RGBA", (1, 1), (0, 0, 0, 230))


def spinner(frame):
    """23 x 23: twelve dots; the bright head moves a quarter turn per frame."""
    import math
    size, s = 23, 8
    im = Image.new("RGBA", (size * s, size * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    c = size * s / 2
    for i in range(12):
        age = (frame * 3 - i) % 12  # 0 = head
        a = max(50, 255 - age * 20)
        ang = math.radians(i * 30 - 90)
        x, y = c + math.cos(ang) * 8.5 * s, c + math.sin(ang) * 8.5 * s
        r = (2.4 - age * 0.08) * s
        d.ellipse((x - r, y - r, x + r, y + r), fill=(255, 226, 160, a))
    return down(im, (size, size))


# ---------------------------------------------------------------- login background

GREEN = (0, 255, 0)


def login_background():
    from artwork_login import login_picture
    return login_picture(GREEN)


# ---------------------------------------------------------------- table of outputs

TITLE_BUTTONS = [
    # role, label, width, (normal, highlight, pressed)
    ("server", "选服", 59, (211, 212, 231)),
    ("fullscreen", "全屏", 59, (224, 214, 234)),
    ("boss", "老板键F10", 97, (223, 215, 233)),
    ("cache", "清除缓存", 78, (252, 253, 261)),
    ("refresh", "刷新F5", 78, (226, 219, 236)),
]

WINDOW_GLYPHS = [
    ("close", (207, 208, 227)),
    ("maximise", (220, 213, 228)),
    ("restore", (221, 217, 229)),
    ("minimise", (209, 210, 230)),
]

LOOKS = ("normal", "highlight", "pressed")


def main():
    write_png(203, title_left(), (103, 30))
    write_png(172, title_fill(), (1, 30))
    write_png(206, title_right(), (92, 30))
    for kind, ids in WINDOW_GLYPHS:
        for look, ident in zip(LOOKS, ids):
            write_png(ident, window_glyph(kind, look), (28, 26))
    for role, label, width, ids in TITLE_BUTTONS:
        for look, ident in zip(LOOKS, ids):
            write_png(ident, label_button(role, label, width, look), (width, 24))
    write_png(275, veil(), (1, 1))
    for i, ident in enumerate((276, 277, 278, 279)):
        write_png(ident, spinner(i), (23, 23))
    write_png(306, message_panel(), (256, 110))
    for look, ident in zip(LOOKS, (307, 308, 309)):
        write_png(ident, small_close(25, look), (25, 25))
    for look, ident in zip(LOOKS, (310, 311, 312)):
        write_png(ident, small_minimise(20, look), (20, 20))
    write_png(313, message_plate("取消", "highlight"), (82, 34))
    write_png(314, message_plate("取消", "normal"), (82, 34))
    write_png(315, message_plate("确定", "highlight"), (82, 34))
    write_png(316, message_plate("确定", "normal"), (82, 34))
    write_png(318, small_close(9, "normal", base=(255, 240, 214, 255)), (9, 9))

    login = login_background()
    assert login.size == (660, 399) and login.mode == "RGB"
    login.save(os.path.join(RES, "login_background.bmp"))

    write_ico(os.path.join(RES, "launcher.ico"), [launcher_icon(n) for n in (48, 32, 24, 16)])
    write_ico(os.path.join(RES, "uninstall.ico"), [uninstall_icon()])
    return 0


if __name__ == "__main__":
    sys.exit(main())
