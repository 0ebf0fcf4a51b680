#!/usr/bin/python3
"""Draws Corvane's art: the skin (a green television set seen from the front) and the icon.

Writes resources/skin.bmp (400 x 273, 24-bit, uncompressed, bottom-up rows), resources/corvane.ico
(32 x 32, 16 colours) and resources/icons/corvane-<size>.png. The build embeds the committed files, so
this script runs only when the art changes:

    /usr/bin/python3 tools/art/make_art.py [--preview DIR]

Needs Debian's python3-pil and fonts-dejavu-core. --preview also writes skin.png and a 4x enlargement
to DIR for looking at.
"""

import argparse
import struct
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = Path(__file__).resolve().parents[2]
FONT_DIR = Path("/usr/share/fonts/truetype/dejavu")
FONT_BOLD = FONT_DIR / "DejaVuSans-Bold.ttf"
FONT_BOOK = FONT_DIR / "DejaVuSans.ttf"

WIDTH, HEIGHT = 400, 273  # the skin; the window below it is never shown
SS = 4  # the art is drawn this many times larger, then reduced, for smooth edges

# The window outline: a polygon (nonzero winding) and ellipses whose right and bottom are exclusive.
# The same numbers shape the window in ui/display/window_shape.h.
SHAPE_POLYGON = [(0, 5), (6, 0), (392, 0), (399, 7), (399, 242), (391, 258), (384, 258), (378, 267),
                 (347, 267), (344, 272), (53, 272), (51, 266), (28, 266), (4, 241)]
SHAPE_ELLIPSES = [(3, 227, 36, 260), (20, 253, 42, 266), (371, 253, 385, 268), (380, 234, 399, 259)]

# Where the commands are pressed (exclusive bounds), so that each face sits under its area.
CLOSE_AREA = (372, 10, 391, 27)
GENERATE_AREA = (305, 29, 400, 91)
PLAY_AREA = (305, 129, 400, 227)
SAVE_AREA = (306, 231, 392, 255)

# The screen and the part of it the trace may cover.
SCREEN = (30, 36, 286, 229)
TRACE_AREA = (39, 75, 275, 196)
BRAND_PLATE = (112, 241, 204, 253)


# ----------------------------------------------------------------------------------------- shape mask

def inside_shape(x, y):
    """Pixel (x, y) sampled at its integer position; left and top boundaries belong to the polygon."""
    winding = 0
    n = len(SHAPE_POLYGON)
    for i in range(n):
        a, b = SHAPE_POLYGON[i], SHAPE_POLYGON[(i + 1) % n]
        if a[1] == b[1]:
            continue
        down = b[1] > a[1]
        top, bottom = (a, b) if down else (b, a)
        if y < top[1] or y >= bottom[1]:
            continue
        if (x - top[0]) * (bottom[1] - top[1]) >= (y - top[1]) * (bottom[0] - top[0]):
            winding += 1 if down else -1
    if winding:
        return True
    for left, top, right, bottom in SHAPE_ELLIPSES:
        w, h = right - left, bottom - top
        px, py = 2 * x + 1 - (left + right), 2 * y + 1 - (top + bottom)
        if px * px * h * h + py * py * w * w <= w * w * h * h:
            return True
    return False


def shape_mask():
    mask = Image.new("L", (WIDTH, HEIGHT), 0)
    pixels = mask.load()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if inside_shape(x, y):
                pixels[x, y] = 255
    return mask


# ------------------------------------------------------------------------------- drawing helpers
# Boxes are (left, top, right, bottom) in skin pixels, right and bottom exclusive; helpers scale them.

def big(box):
    return tuple(round(v * SS) for v in box)


def canvas_mask():
    return Image.new("L", (WIDTH * SS, HEIGHT * SS), 0)


def rounded(box, radius):
    """Mask of a rounded rectangle on the large canvas."""
    mask = canvas_mask()
    l, t, r, b = big(box)
    ImageDraw.Draw(mask).rounded_rectangle((l, t, r - 1, b - 1), radius=round(radius * SS), fill=255)
    return mask


def ellipse(box):
    mask = canvas_mask()
    l, t, r, b = big(box)
    ImageDraw.Draw(mask).ellipse((l, t, r - 1, b - 1), fill=255)
    return mask


def shifted(mask, dx, dy):
    """The mask moved by (dx, dy) skin pixels, with nothing wrapping round."""
    out = canvas_mask()
    out.paste(mask, (round(dx * SS), round(dy * SS)))
    return out


def blurred(mask, radius):
    return mask.filter(ImageFilter.GaussianBlur(radius * SS)) if radius > 0 else mask


def scaled(mask, strength):
    return mask.point(lambda v: round(v * strength))


def paint(canvas, colour, mask):
    """Lays colour (a tuple or an image of canvas size) over canvas where mask is set."""
    layer = Image.new("RGB", canvas.size, colour) if isinstance(colour, tuple) else colour
    canvas.paste(Image.composite(layer, canvas, mask))


def vertical_gradient(box, top_colour, bottom_colour):
    """A canvas-sized image whose rows in box run from top_colour to bottom_colour."""
    l, t, r, b = big(box)
    ramp = Image.linear_gradient("L").resize((1, b - t)).resize((r - l, b - t))
    patch = Image.composite(Image.new("RGB", (r - l, b - t), bottom_colour),
                            Image.new("RGB", (r - l, b - t), top_colour), ramp)
    image = Image.new("RGB", (WIDTH * SS, HEIGHT * SS), top_colour)
    image.paste(Image.new("RGB", (WIDTH * SS, t), top_colour), (0, 0))
    image.paste(patch, (l, t))
    image.paste(Image.new("RGB", (WIDTH * SS, HEIGHT * SS - b), bottom_colour), (0, b))
    return image


def radial_glow(centre, radii, colour, strength):
    """A mask that is strongest at centre and fades to nothing at the ellipse of the given radii."""
    mask = canvas_mask()
    cx, cy = centre
    rx, ry = radii
    steps = 24
    draw = ImageDraw.Draw(mask)
    for k in range(steps, 0, -1):
        f = k / steps
        value = round(255 * strength * (1 - f) ** 1.6)
        draw.ellipse(big((cx - rx * f, cy - ry * f, cx + rx * f, cy + ry * f)), fill=value)
    return blurred(mask, 3), colour


def bevel(canvas, mask, width, light, dark, strength=1.0, softness=None, raised=True):
    """Lights the top-left rim of a shape and shades its bottom-right rim (the reverse when sunken)."""
    softness = width * 0.6 if softness is None else softness
    top_left = ImageChops.subtract(mask, shifted(mask, width, width))
    bottom_right = ImageChops.subtract(mask, shifted(mask, -width, -width))
    top_left = ImageChops.multiply(blurred(top_left, softness), mask)
    bottom_right = ImageChops.multiply(blurred(bottom_right, softness), mask)
    first, second = (light, dark) if raised else (dark, light)
    paint(canvas, first, scaled(top_left, strength))
    paint(canvas, second, scaled(bottom_right, strength))


def drop_shadow(canvas, mask, offset, radius, colour, strength):
    shadow = blurred(shifted(mask, offset, offset), radius)
    shadow = ImageChops.subtract(shadow, mask)
    paint(canvas, colour, scaled(shadow, strength))


def centred_text(draw, box, text, font, fill, dy=0):
    l, t, r, b = box
    x0, y0, x1, y1 = draw.textbbox((0, 0), text, font=font)
    x = (l + r) / 2 - (x0 + x1) / 2
    y = (t + b) / 2 - (y0 + y1) / 2 + dy
    draw.text((round(x), round(y)), text, font=font, fill=fill)


def shadowed_text(image, box, text, font, fill, shadow, dy=0):
    """Lettering with a soft shadow below and right of it."""
    mask = Image.new("L", image.size, 0)
    centred_text(ImageDraw.Draw(mask), box, text, font, 255, dy)
    soft = shifted_small(mask, 1, 1).filter(ImageFilter.GaussianBlur(0.8))
    image.paste(Image.composite(Image.new("RGB", image.size, shadow), image, soft.point(lambda v: v * 2 // 5)))
    image.paste(Image.composite(Image.new("RGB", image.size, fill), image, mask))


def shifted_small(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def embossed_text(image, box, text, font, fill, light, dark, dy=0):
    """Lettering pressed into a surface: a light edge below, a dark edge above."""
    draw = ImageDraw.Draw(image)
    centred_text(draw, box, text, font, light, dy + 1)
    centred_text(draw, box, text, font, dark, dy - 1)
    centred_text(draw, box, text, font, fill, dy)


# ------------------------------------------------------------------------------------------- colours

GREEN_TOP = (104, 176, 84)
GREEN_BOTTOM = (46, 110, 44)
GREEN_LIGHT = (196, 240, 164)
GREEN_DARK = (14, 48, 16)
OUTLINE = (12, 36, 14)
BEZEL_TOP = (30, 66, 30)
BEZEL_BOTTOM = (52, 100, 48)
GLASS_EDGE = (3, 8, 5)
GLASS_CENTRE = (10, 26, 15)
PANEL_TOP = (226, 240, 206)
PANEL_BOTTOM = (178, 206, 156)
GREY_TOP = (206, 210, 204)
GREY_BOTTOM = (150, 156, 150)
LABEL = (26, 34, 28)


# ----------------------------------------------------------------------------------------- the skin

def draw_cabinet(canvas, shape):
    """The green cabinet filling the whole outline, with a rounded rim and the stand below it."""
    paint(canvas, vertical_gradient((0, 0, WIDTH, 258), GREEN_TOP, GREEN_BOTTOM), shape)
    bevel(canvas, shape, 5, GREEN_LIGHT, GREEN_DARK, strength=0.75, softness=4)
    bevel(canvas, shape, 1.5, (230, 255, 210), OUTLINE, strength=0.8, softness=0.8)

    # The stand: a darker plinth under the cabinet.
    stand = ImageChops.multiply(shape, rounded((16, 256, 386, 280), 6))
    paint(canvas, vertical_gradient((0, 256, WIDTH, 273), (40, 84, 38), (18, 44, 20)), stand)
    seam = ImageChops.multiply(shape, rounded((14, 255, 388, 257), 1))
    paint(canvas, (12, 34, 14), scaled(seam, 0.8))
    paint(canvas, (120, 180, 100), scaled(ImageChops.multiply(shape, rounded((22, 257, 380, 258), 1)), 0.35))

    # A soft sheen across the top of the cabinet.
    sheen = ImageChops.multiply(shape, blurred(rounded((20, 4, 380, 14), 5), 5))
    paint(canvas, (230, 255, 214), scaled(sheen, 0.25))


def draw_screen(canvas):
    """The recessed bezel and the dark curved glass of the picture tube."""
    frame = rounded((20, 26, 296, 239), 20)
    drop_shadow(canvas, frame, -1.2, 2, GREEN_LIGHT, 0.35)
    paint(canvas, vertical_gradient((20, 26, 296, 239), BEZEL_TOP, BEZEL_BOTTOM), frame)
    bevel(canvas, frame, 5, GREEN_LIGHT, GREEN_DARK, strength=0.85, softness=3, raised=False)

    # A black rubber surround directly around the glass.
    surround = rounded((SCREEN[0] - 3, SCREEN[1] - 3, SCREEN[2] + 3, SCREEN[3] + 3), 17)
    paint(canvas, (8, 16, 8), surround)
    bevel(canvas, surround, 1.5, (70, 110, 66), (0, 0, 0), strength=0.7, raised=False)

    glass = rounded(SCREEN, 15)
    paint(canvas, GLASS_EDGE, glass)
    cx, cy = (SCREEN[0] + SCREEN[2]) / 2, (SCREEN[1] + SCREEN[3]) / 2
    glow, colour = radial_glow((cx, cy), (150, 118), GLASS_CENTRE, 1.0)
    paint(canvas, colour, ImageChops.multiply(glow, glass))
    # The glass curves away at its edges: a darker rim inside.
    rim = ImageChops.subtract(glass, blurred(rounded((SCREEN[0] + 6, SCREEN[1] + 6, SCREEN[2] - 6,
                                                     SCREEN[3] - 6), 12), 4))
    paint(canvas, (0, 0, 0), scaled(rim, 0.55))

    # A window's reflection on the glass, above and left of where the trace runs.
    reflection = canvas_mask()
    draw = ImageDraw.Draw(reflection)
    draw.polygon([big((36, 60))[:2], big((36, 44))[:2], big((46, 40))[:2], big((120, 40))[:2],
                  big((96, 52))[:2], big((52, 62))[:2]], fill=255)
    reflection = ImageChops.multiply(blurred(reflection, 3), glass)
    paint(canvas, (210, 240, 220), scaled(reflection, 0.16))


def draw_close_button(canvas):
    l, t, r, b = CLOSE_AREA
    button = rounded((l + 2, t + 2, r - 1, b - 1), 4)
    paint(canvas, vertical_gradient((l + 2, t + 2, r - 1, b - 1), (60, 118, 52), (34, 80, 32)), button)
    bevel(canvas, button, 2, (20, 52, 20), GREEN_LIGHT, strength=0.8, softness=1, raised=False)


def raised_panel(canvas, box, radius, top, bottom, light, dark):
    """A rounded panel standing out of the cabinet: shadow, gradient face, bevelled edge."""
    panel = rounded(box, radius)
    drop_shadow(canvas, panel, 1.5, 1.5, (0, 0, 0), 0.45)
    paint(canvas, vertical_gradient(box, top, bottom), panel)
    bevel(canvas, panel, 2.5, light, dark, strength=0.9, softness=1.5)
    return panel


def draw_next_panel(canvas):
    l, t, r, b = GENERATE_AREA
    raised_panel(canvas, (l + 3, t + 3, r - 6, b - 2), 6, PANEL_TOP, PANEL_BOTTOM, (255, 255, 245), (96, 130, 80))


def draw_lights(canvas):
    box = (312, 96, 392, 125)
    strip = rounded(box, 5)
    paint(canvas, vertical_gradient(box, (16, 34, 16), (28, 58, 28)), strip)
    bevel(canvas, strip, 2, GREEN_LIGHT, GREEN_DARK, strength=0.8, softness=1.2, raised=False)
    # Two rows of small lamps, some glowing.
    lit = [1, 1, 0, 1, 1, 1, 0, 1, 0, 1, 1, 0, 1, 1]
    for row in range(2):
        for col in range(7):
            x = 319 + col * 11
            y = 104 + row * 12
            lamp = ellipse((x - 3, y - 3, x + 3, y + 3))
            on = lit[row * 7 + col]
            if on:
                halo = blurred(ellipse((x - 5, y - 5, x + 5, y + 5)), 1.5)
                paint(canvas, (90, 255, 90), scaled(ImageChops.multiply(halo, strip), 0.45))
                paint(canvas, (70, 220, 60), lamp)
                paint(canvas, (220, 255, 200), ellipse((x - 2, y - 2, x, y)))
            else:
                paint(canvas, (8, 26, 10), ellipse((x - 3.5, y - 3.5, x + 3.5, y + 3.5)))
                paint(canvas, (30, 78, 32), lamp)
                paint(canvas, (90, 140, 90), scaled(ellipse((x - 2, y - 2, x, y)), 0.7))


def draw_play_panel(canvas):
    l, t, r, b = PLAY_AREA
    box = (l + 3, t + 3, r - 6, b - 3)
    raised_panel(canvas, box, 7, GREY_TOP, GREY_BOTTOM, (250, 252, 250), (90, 96, 90))

    cx, cy, radius = (box[0] + box[2]) / 2, (box[1] + box[3]) / 2, 33
    well = ellipse((cx - radius - 4, cy - radius - 4, cx + radius + 4, cy + radius + 4))
    paint(canvas, (110, 116, 110), well)
    bevel(canvas, well, 2.5, (250, 252, 250), (70, 74, 70), strength=0.9, softness=1.5, raised=False)
    button = ellipse((cx - radius, cy - radius, cx + radius, cy + radius))
    drop_shadow(canvas, button, 1.5, 1.5, (0, 0, 0), 0.5)
    paint(canvas, vertical_gradient((cx - radius, cy - radius, cx + radius, cy + radius),
                                    (108, 186, 88), (42, 110, 40)), button)
    bevel(canvas, button, 3, (220, 255, 200), (20, 60, 20), strength=0.9, softness=2.5)
    gloss = ImageChops.multiply(blurred(ellipse((cx - 22, cy - 30, cx + 22, cy - 8)), 2), button)
    paint(canvas, (255, 255, 255), scaled(gloss, 0.28))


def draw_save_label(canvas):
    l, t, r, b = SAVE_AREA
    box = (l + 3, t + 3, r - 3, b - 2)
    label = rounded(box, 4)
    bevel_frame = rounded((box[0] - 1, box[1] - 1, box[2] + 1, box[3] + 1), 5)
    paint(canvas, GREEN_LIGHT, scaled(ImageChops.subtract(shifted(bevel_frame, 0.5, 0.5), label), 0.5))
    paint(canvas, vertical_gradient(box, (40, 48, 42), (16, 22, 18)), label)
    bevel(canvas, label, 1.5, (0, 0, 0), (110, 130, 110), strength=0.7, softness=0.8)


def draw_brand_plate(canvas):
    box = BRAND_PLATE
    plate = rounded(box, 3)
    paint(canvas, vertical_gradient(box, (200, 206, 196), (140, 148, 138)), plate)
    bevel(canvas, plate, 1, (255, 255, 255), (60, 70, 60), strength=0.8, softness=0.5)


def draw_lettering(skin):
    """Text goes on after the reduction, where the font's own anti-aliasing keeps it sharp."""
    draw = ImageDraw.Draw(skin)
    l, t, r, b = GENERATE_AREA
    shadowed_text(skin, (l + 3, t + 3, r - 6, b - 2), "Next!", ImageFont.truetype(str(FONT_BOLD), 24),
                  (24, 78, 26), (40, 70, 30), dy=-1)

    # Close: a small light cross on its dark button.
    l, t, r, b = CLOSE_AREA
    cx, cy = (l + r) / 2 + 0.5, (t + b) / 2 + 0.5
    for width, colour in ((3, (20, 50, 20)), (2, (236, 250, 226))):
        d = 3.5
        draw.line((cx - d, cy - d, cx + d, cy + d), fill=colour, width=width)
        draw.line((cx - d, cy + d, cx + d, cy - d), fill=colour, width=width)

    l, t, r, b = PLAY_AREA
    box = (l + 3, t + 3, r - 6, b - 3)
    font = ImageFont.truetype(str(FONT_BOLD), 17)
    centred_text(draw, box, "Play", font, (16, 50, 16), dy=1)
    centred_text(draw, box, "Play", font, (246, 255, 240))

    l, t, r, b = SAVE_AREA
    centred_text(draw, (l + 3, t + 3, r - 3, b - 2), "save...", ImageFont.truetype(str(FONT_BOOK), 14),
                 (150, 236, 130), dy=-1)

    embossed_text(skin, BRAND_PLATE, "CORVANE", ImageFont.truetype(str(FONT_BOLD), 9),
                  (40, 56, 40), (236, 240, 232), (120, 128, 118))


def outline(skin, shape):
    """A dark edge one pixel inside the outline, so the window's hard edge reads as the cabinet's."""
    inner = shape.filter(ImageFilter.MinFilter(3))
    edge = ImageChops.subtract(shape, inner)
    skin.paste(Image.composite(Image.new("RGB", skin.size, OUTLINE), skin, edge))


def make_skin():
    shape = shape_mask()
    big_shape = shape.resize((WIDTH * SS, HEIGHT * SS), Image.NEAREST)
    canvas = Image.new("RGB", (WIDTH * SS, HEIGHT * SS), (255, 255, 255))
    draw_cabinet(canvas, big_shape)
    draw_screen(canvas)
    draw_close_button(canvas)
    draw_next_panel(canvas)
    draw_lights(canvas)
    draw_play_panel(canvas)
    draw_save_label(canvas)
    draw_brand_plate(canvas)
    skin = canvas.resize((WIDTH, HEIGHT), Image.BOX)
    draw_lettering(skin)
    outline(skin, shape)
    # Everything outside the window is white.
    return Image.composite(skin, Image.new("RGB", skin.size, (255, 255, 255)), shape)


def write_bmp(image, path):
    """24-bit, uncompressed, rows bottom-up, each padded to four bytes."""
    width, height = image.size
    stride = (width * 3 + 3) & ~3
    pixels = image.load()
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixels[x, y]
            row += bytes((b, g, r))
        row += bytes(stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    path.write_bytes(header + info + data)


# ------------------------------------------------------------------------------------------ the icon

def icon_art(size):
    """The television in miniature: green cabinet, dark screen with a green trace, one round knob."""
    s = size * 4
    u = s / 64.0  # drawn on a 64-unit grid
    image = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)

    def box(l, t, r, b):
        return (round(l * u), round(t * u), round(r * u) - 1, round(b * u) - 1)

    draw.rounded_rectangle(box(16, 52, 48, 60), radius=round(2 * u), fill=(20, 50, 22, 255))
    draw.rounded_rectangle(box(2, 8, 62, 55), radius=round(8 * u), fill=(14, 40, 16, 255))
    draw.rounded_rectangle(box(3, 9, 61, 54), radius=round(7 * u), fill=(70, 150, 60, 255))
    draw.rounded_rectangle(box(3, 9, 61, 30), radius=round(7 * u), fill=(96, 176, 80, 255))
    draw.rectangle(box(3, 24, 61, 34), fill=(70, 150, 60, 255))
    draw.rounded_rectangle(box(7, 14, 46, 49), radius=round(6 * u), fill=(16, 40, 18, 255))
    draw.rounded_rectangle(box(9, 16, 44, 47), radius=round(5 * u), fill=(6, 16, 9, 255))
    trace = [(11, 32), (15, 32), (18, 24), (21, 40), (24, 27), (27, 36), (30, 30), (33, 33), (36, 31),
             (42, 32)]
    draw.line([(x * u, y * u) for x, y in trace], fill=(90, 240, 90, 255), width=max(1, round(2.2 * u)),
              joint="curve")
    draw.ellipse(box(49, 16, 58, 25), fill=(230, 236, 226, 255))
    draw.ellipse(box(50.5, 17.5, 56.5, 23.5), fill=(190, 198, 188, 255))
    for k in range(3):
        draw.rounded_rectangle(box(49, 31 + k * 5, 58, 33 + k * 5), radius=round(1 * u),
                               fill=(28, 70, 28, 255))
    return image.resize((size, size), Image.LANCZOS)


def write_ico(image, path):
    """One 32 x 32 image in 16 colours: a 4-bit palette picture and a 1-bit transparency mask."""
    size = image.size[0]
    alpha = image.getchannel("A").point(lambda v: 255 if v >= 128 else 0)
    opaque = Image.new("RGB", image.size, (0, 0, 0))
    opaque.paste(image.convert("RGB"), mask=alpha)
    paletted = opaque.quantize(colors=16, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    palette = paletted.getpalette()[:48]
    palette += [0] * (48 - len(palette))
    colour_table = b"".join(bytes((palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0))
                            for i in range(16))
    indices = paletted.load()
    transparent = alpha.load()
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        row = bytearray()
        for x in range(0, size, 2):
            row.append((indices[x, y] << 4) | indices[x + 1, y])
        xor_rows.append(bytes(row))
        bits = bytearray(size // 8)
        for x in range(size):
            if transparent[x, y] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(bits))
    xor, and_mask = b"".join(xor_rows), b"".join(and_rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(and_mask), 0, 0, 16, 0)
    body = info + colour_table + xor + and_mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(body), 6 + 16)
    path.write_bytes(header + entry + body)


# ------------------------------------------------------------------------------------------------ main

def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", type=Path, help="also write PNG previews of the skin to this folder")
    args = parser.parse_args()

    resources = ROOT / "resources"
    skin = make_skin()
    write_bmp(skin, resources / "skin.bmp")

    (resources / "icons").mkdir(exist_ok=True)
    for size in (32, 48, 128, 256):
        icon_art(size).save(resources / "icons" / f"corvane-{size}.png", optimize=True)
    write_ico(icon_art(32), resources / "corvane.ico")

    if args.preview:
        args.preview.mkdir(parents=True, exist_ok=True)
        skin.save(args.preview / "skin.png")
        skin.resize((WIDTH * 4, HEIGHT * 4), Image.NEAREST).save(args.preview / "skin-4x.png")


if __name__ == "__main__":
    main()
