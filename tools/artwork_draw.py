"""Drawing helpers shared by the artwork generator."""
import math
import os

from PIL import Image, ImageDraw, ImageFont

SS = 4  # supersampling factor: shapes are drawn large and reduced for smooth edges
GOLD = (246, 206, 120, 255)
FONT_DIRS = ("/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/wqy")


def latin_font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIRS[0], name), size)


def chinese_font(size):
    return ImageFont.truetype(os.path.join(FONT_DIRS[1], "wqy-microhei.ttc"), size, index=0)


def down(im, size):
    """Reduces a supersampled RGBA image with premultiplied alpha (no dark fringes)."""
    return im.convert("RGBa").resize(size, Image.LANCZOS).convert("RGBA")


def shade_rect(im, box, top, bottom):
    """Vertical gradient from colour top to colour bottom, opaque, inside box."""
    d = ImageDraw.Draw(im)
    x0, y0, x1, y1 = box
    n = max(1, y1 - y0 - 1)
    for y in range(y0, y1):
        t = (y - y0) / n
        c = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
        d.line((x0, y, x1 - 1, y), fill=c + (255,))


def band(w, h):
    """The dark title band: brown-black gradient, a faint highlight on top, a gold rule below."""
    im = Image.new("RGBA", (w, h), (0, 0, 0, 255))
    shade_rect(im, (0, 0, w, h), (58, 36, 24), (22, 12, 8))
    d = ImageDraw.Draw(im)
    d.line((0, 0, w - 1, 0), fill=(110, 76, 50, 255))
    d.line((0, h - 2, w - 1, h - 2), fill=(150, 108, 48, 255))
    d.line((0, h - 1, w - 1, h - 1), fill=(12, 6, 4, 255))
    return im


def glyph_layer(size, back, draw, colour, offset=0, round_back=False):
    """A transparent tile with an optional rounded backdrop and a glyph drawn by draw(d, s, colour)."""
    w, h = size
    s = SS * 2
    im = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    if back:
        radius = (min(w, h) * s // 2 - 1) if round_back else 3 * s
        d.rounded_rectangle((s // 2, s // 2, w * s - s // 2, h * s - s // 2), radius=radius, fill=back)
    glyph = Image.new("RGBA", im.size, (0, 0, 0, 0))
    draw(ImageDraw.Draw(glyph), s, colour)
    if offset:
        glyph = glyph.transform(glyph.size, Image.AFFINE, (1, 0, -offset * s, 0, 1, -offset * s))
    im.alpha_composite(glyph)
    return down(im, (w, h))


# ---------------------------------------------------------------- title-bar button icons (16 x 16 at scale s)

def icon_server(d, s, c):
    w = max(2, int(1.3 * s))
    d.ellipse((2 * s, 2 * s, 14 * s, 14 * s), outline=c, width=w)
    d.ellipse((5.5 * s, 2 * s, 10.5 * s, 14 * s), outline=c, width=w)
    d.line((2 * s, 8 * s, 14 * s, 8 * s), fill=c, width=w)


def icon_fullscreen(d, s, c):
    w = max(2, int(1.5 * s))
    for sx, sy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
        x = 8 * s - sx * 6 * s
        y = 8 * s - sy * 6 * s
        d.line((x, y, x + sx * 4 * s, y), fill=c, width=w)
        d.line((x, y, x, y + sy * 4 * s), fill=c, width=w)
        d.line((x, y, x + sx * 3 * s, y + sy * 3 * s), fill=c, width=w)


def icon_boss(d, s, c):
    # a closed eye: the window disappears at once
    w = max(2, int(1.4 * s))
    d.arc((1 * s, 1 * s, 15 * s, 13 * s), 20, 160, fill=c, width=w)
    for i in range(4):
        x = (3.5 + i * 3) * s
        d.line((x, 10.5 * s, x - (1 - i * 0.66) * s, 13.5 * s), fill=c, width=max(2, s))


def icon_cache(d, s, c):
    w = max(2, int(1.3 * s))
    d.rectangle((3 * s, 3 * s, 13 * s, 4.4 * s), fill=c)
    d.rectangle((6.5 * s, 1.5 * s, 9.5 * s, 3 * s), outline=c, width=max(1, s // 1))
    d.polygon([(4 * s, 5.5 * s), (12 * s, 5.5 * s), (11.2 * s, 14.5 * s), (4.8 * s, 14.5 * s)], outline=c,
              width=w)
    for x in (6.6, 9.4):
        d.line((x * s, 7.5 * s, x * s, 12.5 * s), fill=c, width=max(1, s))


def icon_refresh(d, s, c):
    w = max(2, int(1.5 * s))
    d.arc((2 * s, 2 * s, 14 * s, 14 * s), 40, 330, fill=c, width=w)
    # arrow head at the open end (angle 330 degrees)
    ang = math.radians(330)
    x, y = 8 * s + math.cos(ang) * 6 * s, 8 * s + math.sin(ang) * 6 * s
    d.polygon([(x - 3 * s, y - 1.2 * s), (x + 2.6 * s, y - 2.6 * s), (x + 1.2 * s, y + 3 * s)], fill=c)


ICONS = {"server": icon_server, "fullscreen": icon_fullscreen, "boss": icon_boss, "cache": icon_cache,
         "refresh": icon_refresh}


def label_button(role, label, width, look):
    """A title-bar button, width x 24: icon and Chinese label on a transparent or lit plate."""
    h = 24
    s = SS
    im = Image.new("RGBA", (width * s, h * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    plate = (1 * s, 2 * s, width * s - 1 * s, h * s - 2 * s)
    if look == "normal":
        d.rounded_rectangle(plate, radius=4 * s, outline=(190, 150, 90, 70), width=s)
    elif look == "highlight":
        d.rounded_rectangle(plate, radius=4 * s, fill=(255, 214, 130, 58), outline=(246, 206, 120, 200), width=s)
    else:
        d.rounded_rectangle(plate, radius=4 * s, fill=(0, 0, 0, 150), outline=(246, 206, 120, 255), width=s)
    off = s if look == "pressed" else 0
    text_colour = {"normal": (232, 220, 196, 255), "highlight": (255, 246, 224, 255),
                   "pressed": (220, 200, 168, 255)}[look]
    icon_colour = {"normal": (230, 190, 108, 255), "highlight": (255, 222, 140, 255),
                   "pressed": (210, 170, 96, 255)}[look]
    font = chinese_font(12 * s)
    text_w = d.textlength(label, font=font)
    icon_w = 14 * s
    gap = 3 * s
    x = (width * s - (icon_w + gap + text_w)) / 2
    icon = Image.new("RGBA", (16 * s, 16 * s), (0, 0, 0, 0))
    ICONS[role](ImageDraw.Draw(icon), s, icon_colour)
    icon = icon.resize((icon_w, icon_w), Image.LANCZOS)
    im.alpha_composite(icon, (int(x) + off, (h * s - icon_w) // 2 + off))
    d.text((x + icon_w + gap + off, h * s / 2 + off), label, font=font, anchor="lm", fill=text_colour)
    return down(im, (width, h))
