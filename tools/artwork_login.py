"""Bitmap 129, the login dialog's whole look: a framed picture between see-through green strips."""
import math
import random

from PIL import Image, ImageDraw, ImageFilter

from artwork_draw import chinese_font, latin_font, shade_rect

W, H = 660, 399
TOP_STRIP, BOTTOM_STRIP = 21, 20
NOTICE = "抵制不良游戏，拒绝盗版游戏。注意自我保护，谨防受骗上当。适度游戏益脑，沉迷游戏伤身。合理安排时间，享受健康生活。"


def landscape(w, h):
    """Dusk over layered mountains, a castle on the ridge."""
    im = Image.new("RGBA", (w, h))
    shade_rect(im, (0, 0, w, h), (38, 22, 40), (196, 110, 60))
    d = ImageDraw.Draw(im)
    # sun glow
    glow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    gd = ImageDraw.Draw(glow)
    for r in range(120, 0, -4):
        gd.ellipse((w * 0.7 - r, h * 0.55 - r, w * 0.7 + r, h * 0.55 + r), fill=(255, 200, 120, 6))
    im.alpha_composite(glow.filter(ImageFilter.GaussianBlur(6)))
    rng = random.Random(129)
    # stars in the upper sky
    for _ in range(70):
        x, y = rng.randrange(w), rng.randrange(int(h * 0.35))
        v = rng.randrange(150, 255)
        d.point((x, y), fill=(v, v, min(255, v + 20), 255))
    layers = [((70, 40, 56), 0.50, 38), ((52, 28, 40), 0.62, 30), ((34, 18, 26), 0.76, 22), ((20, 10, 14), 0.88, 16)]
    for colour, base, amp in layers:
        pts = [(0, h)]
        phase = rng.random() * 6
        for x in range(0, w + 8, 8):
            y = h * base - amp * (0.6 * math.sin(x / 53 + phase) + 0.4 * math.sin(x / 19 + phase * 2))
            pts.append((x, y))
        pts.append((w, h))
        d.polygon(pts, fill=colour + (255,))
    # castle silhouette on the second ridge
    cx, cy = int(w * 0.26), int(h * 0.60)
    sil = (30, 14, 20, 255)
    d.rectangle((cx - 30, cy - 24, cx + 30, cy + 10), fill=sil)
    for tx, th in ((-34, 46), (0, 62), (34, 40)):
        d.rectangle((cx + tx - 7, cy - th, cx + tx + 7, cy), fill=sil)
        d.polygon([(cx + tx - 10, cy - th), (cx + tx, cy - th - 16), (cx + tx + 10, cy - th)], fill=sil)
    for wx in (-34, 0, 34):
        d.rectangle((cx + wx - 1, cy - 30, cx + wx + 1, cy - 26), fill=(255, 196, 110, 255))
    # title
    font = latin_font("LiberationSerif-BoldItalic.ttf", 54)
    d.text((w // 2 + 2, 62), "Velmora", font=font, anchor="mm", fill=(30, 10, 6, 200))
    d.text((w // 2, 60), "Velmora", font=font, anchor="mm", fill=(250, 214, 130, 255), stroke_width=1,
           stroke_fill=(120, 70, 20, 255))
    return im


def frame(im):
    d = ImageDraw.Draw(im)
    w, h = im.size
    d.rectangle((0, 0, w - 1, h - 1), outline=(24, 12, 6, 255), width=1)
    d.rectangle((1, 1, w - 2, h - 2), outline=(214, 170, 88, 255), width=2)
    d.rectangle((4, 4, w - 5, h - 5), outline=(110, 72, 30, 255), width=1)
    for x, y in ((2, 2), (w - 3, 2), (2, h - 3), (w - 3, h - 3)):
        d.polygon([(x, y - 6), (x + 6, y), (x, y + 6), (x - 6, y)], fill=(240, 200, 110, 255),
                  outline=(80, 46, 16, 255))


def ornament(green):
    """The tab at the top right behind the minimise and close buttons."""
    w, h = 84, TOP_STRIP
    tab = Image.new("RGB", (w, h), green)
    body = Image.new("RGBA", (w, h + 8))
    shade_rect(body, (0, 0, w, h + 8), (96, 58, 30), (54, 30, 16))
    mask = Image.new("1", (w, h + 8), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1, h + 12), radius=7, fill=1)
    tab.paste(body.convert("RGB").crop((0, 0, w, h)), (0, 0), mask.crop((0, 0, w, h)))
    d = ImageDraw.Draw(tab)
    d.rounded_rectangle((0, 0, w - 1, h + 12), radius=7, outline=(214, 170, 88))
    d.line((10, h - 1, w - 10, h - 1), fill=(214, 170, 88))
    return tab


def login_picture(green):
    img = Image.new("RGB", (W, H), green)
    mid = landscape(W, H - TOP_STRIP - BOTTOM_STRIP)
    frame(mid)
    img.paste(mid.convert("RGB"), (0, TOP_STRIP))
    tab = ornament(green)
    img.paste(tab, (W - tab.width, 0))
    # the notice: aliased yellow text, so no pixel between yellow and green appears at its edges
    strip = Image.new("RGB", (W, BOTTOM_STRIP), green)
    d = ImageDraw.Draw(strip)
    d.fontmode = "1"
    d.text((W // 2, BOTTOM_STRIP // 2), NOTICE, font=chinese_font(11), anchor="mm", fill=(255, 236, 60))
    img.paste(strip, (0, H - BOTTOM_STRIP))
    # the picture itself must have no key-coloured pixel, or holes appear in it
    px = img.load()
    for y in range(TOP_STRIP, H - BOTTOM_STRIP):
        for x in range(W):
            if px[x, y] == green:
                px[x, y] = (green[0], green[1] - 1, green[2])
    return img
