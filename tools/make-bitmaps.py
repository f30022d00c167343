#!/usr/bin/env python3
"""Draws the module's bitmaps and its hand cursor, or the installer's pictures and the
programs' icon, and writes the resource-script fragments that name them.

    make-bitmaps.py OUTPUT_DIR [FONT]              the module's
    make-bitmaps.py --installer OUTPUT_DIR [FONT]  the installer's, uninstaller's, updater's

Every image is drawn here from primitives and the CJK font, at the size the windows draw
it at 96 DPI. Each button image is also drawn twice as large, under its name + "2X": on
scaled displays the windows draw from that one, so that the buttons stay sharp. The windows
combine the button images with their background by AND, so white is the transparent colour
of every button image.
"""
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

DEFAULT_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
WHITE = (255, 255, 255)
INK = (24, 24, 24)
BLUE = (20, 70, 190)
RED = (200, 30, 30)
GREEN = (20, 130, 60)
GREY = (150, 150, 150)


# The scale the button images are being drawn at: 1, or 2 for the larger variants.
SCALE = 1


class ScaledDraw:
    """An ImageDraw taking the coordinates of the 96-DPI image: boxes cover the same pixels
    at SCALE times the size, lines and points keep their place at the pixels' centres, and
    widths and radii grow with the scale."""

    def __init__(self, draw, scale):
        self.draw, self.scale = draw, scale

    def _point(self, x, y):
        half = (self.scale - 1) / 2
        return (x * self.scale + half, y * self.scale + half)

    def _box(self, box):
        s = self.scale
        x0, y0, x1, y1 = box
        return (x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1)

    def _points(self, xy):
        if xy and isinstance(xy[0], (tuple, list)):
            return [self._point(*p) for p in xy]
        return [c for i in range(0, len(xy), 2) for c in self._point(xy[i], xy[i + 1])]

    def _widths(self, kw):
        for key in ("width", "radius"):
            if key in kw:
                kw[key] = kw[key] * self.scale
        if "width" not in kw:
            kw["width"] = self.scale
        return kw

    def ellipse(self, box, **kw):
        self.draw.ellipse(self._box(box), **self._widths(kw))

    def rectangle(self, box, **kw):
        self.draw.rectangle(self._box(box), **self._widths(kw))

    def rounded_rectangle(self, box, **kw):
        self.draw.rounded_rectangle(self._box(box), **self._widths(kw))

    def pieslice(self, box, start, end, **kw):
        self.draw.pieslice(self._box(box), start, end, **self._widths(kw))

    def line(self, xy, **kw):
        self.draw.line(self._points(xy), **self._widths(kw))

    def polygon(self, xy, **kw):
        self.draw.polygon(self._points(xy), **kw)

    def textbbox(self, xy, text, font):
        box = self.draw.textbbox((xy[0] * self.scale, xy[1] * self.scale), text, font=font)
        return tuple(c / self.scale for c in box)

    def text(self, xy, text, font, fill):
        self.draw.text((xy[0] * self.scale, xy[1] * self.scale), text, font=font, fill=fill)


class Painter:
    def __init__(self, font_path):
        self.font_path = font_path

    def font(self, size):
        return ImageFont.truetype(self.font_path, size * SCALE)

    def text_centred(self, draw, box, text, size, colour):
        font = self.font(size)
        left, top, right, bottom = draw.textbbox((0, 0), text, font=font)
        x = box[0] + (box[2] - box[0] - (right - left)) / 2 - left
        y = box[1] + (box[3] - box[1] - (bottom - top)) / 2 - top
        draw.text((x, y), text, font=font, fill=colour)


def blank(size, colour=WHITE):
    image = Image.new("RGB", (size[0] * SCALE, size[1] * SCALE), colour)
    draw = ImageDraw.Draw(image)
    return image, (ScaledDraw(draw, SCALE) if SCALE > 1 else draw)


def glyph_button(painter, text, colour, size=14, frame=None):
    """A 20x20 button showing one or two glyphs, optionally in a rounded frame."""
    image, draw = blank((20, 20))
    if frame:
        draw.rounded_rectangle((1, 1, 18, 18), radius=3, outline=frame)
    painter.text_centred(draw, (0, 0, 20, 20), text, size, colour)
    return image


def keyboard(active):
    image, draw = blank((20, 20))
    body = BLUE if active else GREY
    draw.rounded_rectangle((1, 5, 18, 15), radius=2, outline=body, fill=WHITE)
    for row, (y, count) in enumerate(((7, 5), (10, 5))):
        for k in range(count):
            x = 3 + k * 3 + row
            draw.rectangle((x, y, x + 1, y + 1), fill=body)
    draw.line((6, 13, 13, 13), fill=body)
    if not active:
        draw.line((2, 17, 17, 3), fill=RED, width=1)
    return image


def half_moon(painter, full):
    """Full width: a filled disc; half width: a half disc, beside its glyph."""
    image, draw = blank((20, 20))
    if full:
        draw.ellipse((1, 1, 18, 18), outline=BLUE, fill=(210, 225, 255))
        painter.text_centred(draw, (0, 0, 20, 20), "全", 12, BLUE)
    else:
        draw.ellipse((1, 1, 18, 18), outline=GREY)
        draw.pieslice((1, 1, 18, 18), 90, 270, fill=(225, 225, 225))
        painter.text_centred(draw, (0, 0, 20, 20), "半", 12, INK)
    return image


def punctuation(chinese):
    """Chinese punctuation: a full-width comma and a hollow full stop; English: ", ."."""
    image, draw = blank((20, 20))
    if chinese:
        draw.ellipse((2, 8, 7, 13), fill=RED)
        draw.line((6, 11, 3, 17), fill=RED, width=2)
        draw.ellipse((11, 9, 17, 15), outline=RED, width=2)
    else:
        draw.rectangle((4, 11, 6, 13), fill=INK)
        draw.line((6, 13, 4, 16), fill=INK, width=1)
        draw.rectangle((13, 11, 15, 13), fill=INK)
    return image


def magnifier(size=20, colour=BLUE):
    image, draw = blank((size, size))
    r = size * 0.32
    cx = cy = size * 0.40
    draw.ellipse((cx - r, cy - r, cx + r, cy + r), outline=colour, width=2)
    draw.line((cx + r * 0.7, cy + r * 0.7, size - 2, size - 2), fill=colour, width=3)
    return image


def globe():
    image, draw = blank((20, 20))
    draw.ellipse((1, 1, 18, 18), outline=BLUE, fill=(220, 235, 255), width=1)
    draw.ellipse((6, 1, 13, 18), outline=BLUE)
    draw.line((1, 9, 18, 9), fill=BLUE)
    draw.line((3, 5, 16, 5), fill=BLUE)
    draw.line((3, 14, 16, 14), fill=BLUE)
    return image


def arrow(up, enabled, size=14):
    image, draw = blank((size, size))
    colour = BLUE if enabled else GREY
    draw.rounded_rectangle((0, 0, size - 1, size - 1), radius=2, outline=colour)
    if up:
        points = [(3, 9), (10, 9), (6.5, 4)]
    else:
        points = [(3, 5), (10, 5), (6.5, 10)]
    draw.polygon(points, fill=colour)
    return image


def play_button(playing):
    """Stopped: a play triangle ("adliston"); playing: a pause sign ("adlistoff")."""
    image, draw = blank((16, 16))
    draw.ellipse((0, 0, 15, 15), outline=GREEN)
    if playing:
        draw.rectangle((5, 4, 6, 11), fill=GREEN)
        draw.rectangle((9, 4, 10, 11), fill=GREEN)
    else:
        draw.polygon([(6, 4), (6, 11), (11, 7.5)], fill=GREEN)
    return image


def list_button(shown):
    """The query-list button: a chevron that closes ("adlisthide") or opens the list."""
    image, draw = blank((16, 16))
    draw.rectangle((0, 0, 15, 15), outline=GREY)
    for y in (4, 7, 10):
        draw.line((3, y, 7, y), fill=INK)
    if shown:
        draw.polygon([(9, 9), (13, 9), (11, 5)], fill=BLUE)
    else:
        draw.polygon([(9, 5), (13, 5), (11, 9)], fill=BLUE)
    return image


def close_button():
    """Drawn in a 12x16 cell at the top-left of a 20x20 image; the rest is transparent."""
    image, draw = blank((20, 20))
    draw.line((2, 4, 9, 11), fill=INK, width=2)
    draw.line((9, 4, 2, 11), fill=INK, width=2)
    return image


def gradient(size, top, bottom, border=None):
    width, height = size
    image, draw = blank(size)
    for y in range(height):
        t = y / max(1, height - 1)
        colour = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line((0, y, width - 1, y), fill=colour)
    if border:
        draw.rectangle((0, 0, width - 1, height - 1), outline=border)
    return image


# Drawn at one size only: stretched backgrounds.
BACKGROUNDS = ("statusback", "candback", "compback")


def images(painter):
    g = lambda text, colour, **kw: glyph_button(painter, text, colour, **kw)
    return {
        # Status bar (20x20 each, background 150x25).
        "Chinese": g("中", RED),
        "English": g("英", BLUE),
        "IMESX": g("声", GREEN, frame=GREEN),
        "IMEZX": g("字", BLUE, frame=BLUE),
        "JianTi": g("简", INK),
        "FanTi": g("繁", RED),
        "CoName": g("查", BLUE),
        "FullShape": half_moon(painter, True),
        "HalfShape": half_moon(painter, False),
        "Symbol": punctuation(True),
        "NoSymbol": punctuation(False),
        "SoftKBD": keyboard(True),
        "NoSoftKBD": keyboard(False),
        "DzLx": g("练", GREEN),
        "bmsearch": globe(),
        "statusback": gradient((150, 25), (250, 250, 252), (214, 222, 236), border=(160, 170, 190)),
        # Candidate and composition window.
        "candback": gradient((200, 200), (255, 255, 255), (236, 241, 250)),
        "compback": gradient((198, 25), (232, 240, 252), (206, 220, 242)),
        "search": magnifier(),
        "CandU": arrow(True, True),
        "candudis": arrow(True, False),
        "CandD": arrow(False, True),
        "CandDdis": arrow(False, False),
        "adliston": play_button(False),
        "adlistoff": play_button(True),
        "adlistshow": list_button(False),
        "adlisthide": list_button(True),
        # Context window.
        "contextclose": close_button(),
    }


# A pointing hand, 32x32, hot spot at the fingertip: X outline, o white, space transparent.
HAND = [
    "     XX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooXXX",
    "    XooXooXXX",
    "    XooXooXooXX",
    "    XooXooXooXoX",
    "XXX XooooooooXoX",
    "XooXXoooooooooooX",
    "XoooXoooooooooooX",
    " XooXoooooooooooX",
    "  XoooooooooooooX",
    "  XoooooooooooooX",
    "   XooooooooooooX",
    "   XoooooooooooX",
    "    XooooooooooX",
    "    XooooooooooX",
    "     XooooooooX",
    "     XooooooooX",
    "     XXXXXXXXXX",
]
HAND_HOTSPOT = (5, 0)


def cursor_bytes(art, hotspot):
    size = 32
    xor_rows, and_rows = [], []
    for y in range(size):
        line = art[y] if y < len(art) else ""
        xor_bits = and_bits = 0
        for x in range(size):
            c = line[x] if x < len(line) else " "
            bit = 1 << (31 - x)
            if c == " ":
                and_bits |= bit  # transparent
            elif c == "o":
                xor_bits |= bit  # white (palette entry 1)
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    # Device-independent bitmaps are stored bottom-up.
    bits = b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(bits), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + bits
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


# The installer's pictures: 520 x 330, shown stretched above the wizard's buttons.
PICTURE_SIZE = (520, 330)


def wrapped(painter, draw, text, size, width):
    """Splits text into lines no wider than width (Chinese text breaks between any glyphs)."""
    font = painter.font(size)
    lines, line = [], ""
    for glyph in text:
        if draw.textlength(line + glyph, font=font) > width and line:
            lines.append(line)
            line = glyph.lstrip()
        else:
            line += glyph
    return lines + [line] if line else lines


def paragraph(painter, draw, xy, text, size, width, colour=INK, spacing=1.45):
    x, y = xy
    for line in wrapped(painter, draw, text, size, width):
        draw.text((x, y), line, font=painter.font(size), fill=colour)
        y += int(size * spacing)
    return y


def status_bar(painter, scheme_glyph, scheme_colour, scale=2):
    """The module's status bar as users see it, drawn from the module's own button images."""
    bar = gradient((150, 25), (250, 250, 252), (214, 222, 236), border=(160, 170, 190))
    buttons = [glyph_button(painter, "中", RED), glyph_button(painter, scheme_glyph, scheme_colour,
                                                            frame=scheme_colour),
               glyph_button(painter, "简", INK), half_moon(painter, False), punctuation(True),
               keyboard(False), glyph_button(painter, "练", GREEN)]
    for i, button in enumerate(buttons):
        bar.paste(button, (4 + i * 20, 2))
    return bar.resize((int(150 * scale), int(25 * scale)), Image.NEAREST)


def candidate_window(painter, code, candidates, width=220):
    """A candidate window: the typed code above the numbered candidates."""
    rows = 1 + len(candidates)
    image = gradient((width, 14 + rows * 28), (255, 255, 255), (236, 241, 250),
                     border=(120, 140, 180))
    draw = ImageDraw.Draw(image)
    draw.rectangle((1, 1, width - 2, 30), fill=(222, 232, 250))
    draw.text((10, 5), code, font=painter.font(18), fill=BLUE)
    for i, (text, rest) in enumerate(candidates):
        y = 36 + i * 28
        draw.text((10, y), "%d." % (i + 1), font=painter.font(18), fill=GREY)
        draw.text((36, y), text, font=painter.font(18), fill=INK)
        if rest:
            left = 40 + draw.textlength(text, font=painter.font(18))
            draw.text((left, y + 3), rest, font=painter.font(14), fill=GREY)
    return image


def picture_frame(painter, heading, accent):
    image = gradient(PICTURE_SIZE, (252, 253, 255), (220, 231, 248))
    draw = ImageDraw.Draw(image)
    draw.rectangle((0, 0, PICTURE_SIZE[0] - 1, 7), fill=accent)
    draw.text((28, 22), "Lumatori输入法", font=painter.font(30), fill=INK)
    draw.text((30, 66), heading, font=painter.font(20), fill=accent)
    return image, draw


def scheme_examples(painter, draw, top, examples, accent):
    """Rows of "code -> text": what typing the code gives."""
    font = painter.font(20)
    for i, (code, text) in enumerate(examples):
        y = top + i * 34
        draw.rounded_rectangle((30, y, 130, y + 28), radius=5, outline=accent, fill=WHITE)
        painter.text_centred(draw, (30, y, 130, y + 28), code, 18, accent)
        draw.text((142, y + 1), "→", font=font, fill=GREY)
        draw.text((176, y + 1), text, font=font, fill=INK)


def installer_pictures(painter):
    pictures = {}

    image, draw = picture_frame(painter, "欢迎安装", BLUE)
    paragraph(painter, draw, (30, 104), "一个有字型、声型两种编码方案的中文输入法：键入字母编码，"
              "从候选窗口中选出汉字和词语，也可以添加自己的词语。", 15, 230)
    image.paste(status_bar(painter, "字", BLUE), (30, 232))
    image.paste(candidate_window(painter, "khlg", [("中国", "")]), (276, 104))
    paragraph(painter, draw, (276, 184), "请按“下一步”继续。", 15, 220, GREY)
    pictures["STARTBMP"] = image

    for name, heading, accent, text, examples, glyph in (
            ("ZXSTARTBMP", "字型方案（zx）", BLUE,
             "按五笔字型的字根键入编码，每个字或词最多 4 个字母；常用字只需一两个字母。",
             [("k", "中"), ("wq", "你"), ("khlg", "中国"), ("r", "的")], "字"),
            ("SXSTARTBMP", "声型方案（sx）", GREEN,
             "先打自然码双拼的两个字母，再加上五笔字型的首、末字母；每个字最多 4 个字母，"
             "词语最多 8 个。", [("vskk", "中"), ("goli", "国"), ("vsgo", "中国")], "声")):
        image, draw = picture_frame(painter, heading, accent)
        paragraph(painter, draw, (30, 104), text, 15, 460)
        scheme_examples(painter, draw, 160, examples, accent)
        image.paste(status_bar(painter, glyph, accent, 1.5), (270, 200))
        pictures[name] = image

    for name, scheme, accent in (("ENDBMP", "字型和声型两种方案都已装好", BLUE),
                                 ("ZXENDBMP", "字型方案：每个字或词最多 4 个字母", BLUE),
                                 ("SXENDBMP", "声型方案：每个字最多 4 个字母，词语最多 8 个", GREEN)):
        image, draw = picture_frame(painter, "安装完成", accent)
        y = paragraph(painter, draw, (30, 104), "Lumatori输入法已经装好。在任务栏的输入法列表中选择"
                      "“Lumatori输入法”，或按 Ctrl+Shift 切换到它，就可以输入了。", 15, 460)
        paragraph(painter, draw, (30, y + 8), scheme + "。点状态栏上的“字”或“声”按钮可以在"
                  "两种方案之间切换。", 15, 460)
        image.paste(status_bar(painter, "声" if accent == GREEN else "字", accent), (30, 250))
        paragraph(painter, draw, (350, 266), "按“安装完成”结束。", 15, 170, GREY)
        pictures[name] = image
    return pictures


def program_icon(painter):
    """The icon of the installer, the uninstaller and the updater: 输 on a blue tile."""
    size = 64
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle((2, 2, size - 3, size - 3), radius=12, fill=BLUE)
    painter.text_centred(draw, (0, 0, size, size), "输", 42, WHITE)
    return image


def write_fragment(path, comment, lines):
    with open(path, "w", encoding="ascii") as f:
        f.write("\n".join(["// Generated by tools/make-bitmaps.py: " + comment] + lines) + "\n")


def main():
    args = sys.argv[1:]
    installer = bool(args) and args[0] == "--installer"
    if installer:
        args = args[1:]
    if not args:
        sys.exit("usage: make-bitmaps.py [--installer] OUTPUT_DIR [FONT]")
    out = os.path.abspath(args[0])
    painter = Painter(args[1] if len(args) > 1 else DEFAULT_FONT)
    os.makedirs(out, exist_ok=True)
    if installer:
        lines = []
        for name, image in installer_pictures(painter).items():
            path = os.path.join(out, name + ".bmp")
            image.save(path, "BMP")
            lines.append('%s BITMAP "%s"' % (name, path))
        write_fragment(os.path.join(out, "lmtsetup-bitmaps.rc"), "the wizard's pictures.", lines)
        icon = os.path.join(out, "lumatori.ico")
        program_icon(painter).save(icon, sizes=[(16, 16), (32, 32), (48, 48)])
        write_fragment(os.path.join(out, "lumatori-icon.rc"), "the programs' icon.",
                       ['MAINICON ICON "%s"' % icon])
        return
    global SCALE
    drawn = images(painter)
    SCALE = 2
    larger = {name + "2X": image for name, image in images(painter).items()
              if name not in BACKGROUNDS}
    SCALE = 1
    lines = []
    for name, image in list(drawn.items()) + list(larger.items()):
        path = os.path.join(out, name + ".bmp")
        image.save(path, "BMP")
        lines.append('%s BITMAP "%s"' % (name, path))
    hand = os.path.join(out, "Hand.cur")
    with open(hand, "wb") as f:
        f.write(cursor_bytes(HAND, HAND_HOTSPOT))
    lines.append('Hand CURSOR "%s"' % hand)
    write_fragment(os.path.join(out, "lumatori-bitmaps.rc"), "the bitmaps and cursor loaded by name.",
                   lines)


if __name__ == "__main__":
    main()
