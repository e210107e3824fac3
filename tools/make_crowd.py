#!/usr/bin/env python3
"""Writes assets/crowd.svg: the packed stadium stand shown behind the pitch.

The picture is 700 x 140 px. Rows of fans rise towards the back; the back rows
sit higher, are smaller and a little darker, as they would look from the TV camera.
Every fan gets their own shirt, skin tone, hair, position and sometimes raised
arms or a scarf, all drawn from a fixed seed so the output is the same on every run.

    python3 tools/make_crowd.py [OUTPUT]      (default: assets/crowd.svg beside tools/)
"""

import os
import random
import sys

WIDTH, HEIGHT = 700, 140
ROWS = 9
SEED = 19940617

SKIN = ["#f6d3b3", "#eac09a", "#d9a574", "#c68a5a", "#a86b3f", "#8a5330", "#6b3e22", "#4e2c17",
        "#f1c6a3", "#e0b089"]
HAIR = ["#1b120c", "#2b1c12", "#3d2817", "#5a3a1e", "#7a5230", "#a3743f", "#d8b36a", "#e9d09a",
        "#8c8c8c", "#c9c9c9", "#7a2e12", "#111111"]
SHIRTS = ["#d7263d", "#1b4f9c", "#f2f2f2", "#f4c20d", "#2f8f46", "#ef7d22", "#6a3d9a", "#e85d9c",
          "#3fa7d6", "#8b5a2b", "#222222", "#9bc53d", "#c0c0c0", "#7a1f2b", "#14746f", "#ffd8a8"]
# The two sides' supporters wear these more often than anything else.
TEAM = ["#d7263d", "#f2f2f2", "#1b4f9c", "#f4c20d"]
EYES = "#1a1410"


def shade(colour, factor, haze=(0x26, 0x2b, 0x3a)):
    """Darkens a colour and mixes it towards the stand's shadow, for the rows at the back."""
    r, g, b = int(colour[1:3], 16), int(colour[3:5], 16), int(colour[5:7], 16)
    mix = 1.0 - factor
    out = [round(c * factor + h * mix) for c, h in zip((r, g, b), haze)]
    return "#%02x%02x%02x" % tuple(max(0, min(255, c)) for c in out)


def f(v):
    """Short number formatting keeps the file small."""
    s = "%.1f" % v
    return s[:-2] if s.endswith(".0") else s


class Svg:
    def __init__(self):
        self.parts = []

    def add(self, text):
        self.parts.append(text)

    def ellipse(self, cx, cy, rx, ry, fill):
        self.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (f(cx), f(cy), f(rx), f(ry), fill))

    def path(self, d, fill, extra=""):
        self.add('<path d="%s" fill="%s"%s/>' % (d, fill, extra))

    def line(self, x1, y1, x2, y2, colour, width):
        self.add('<path d="M%s %sL%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
                 % (f(x1), f(y1), f(x2), f(y2), colour, f(width)))


def pick_shirt(rng):
    return rng.choice(TEAM) if rng.random() < 0.4 else rng.choice(SHIRTS)


def draw_fan(svg, rng, x, y, r, depth):
    """One fan: shoulders and shirt, head, hair or hat, and at times raised arms."""
    dim = 0.5 + 0.5 * depth
    skin = shade(rng.choice(SKIN), dim)
    hair = shade(rng.choice(HAIR), dim)
    shirt_raw = pick_shirt(rng)
    shirt = shade(shirt_raw, dim)
    style = rng.choices(["short", "long", "bald", "cap", "afro", "beanie"],
                        weights=[38, 18, 8, 14, 8, 8])[0]
    lean = rng.uniform(-0.12, 0.12) * r  # heads turn and tilt a little

    arms = rng.random()
    raised = "none"
    if arms < 0.07:
        raised = "both"
    elif arms < 0.16:
        raised = rng.choice(["left", "right"])

    # Raised arms go behind the body's outline so the shoulders stay clean.
    hand_y = y - rng.uniform(1.2, 2.0) * r
    arm_w = 0.5 * r
    sleeve = shirt if rng.random() < 0.5 else skin
    hands = []
    for side in ("left", "right"):
        if raised in (side, "both"):
            sx = -1 if side == "left" else 1
            x1, y1 = x + sx * 1.0 * r, y + 1.3 * r
            x2 = x + sx * rng.uniform(1.1, 1.7) * r
            svg.line(x1, y1, x2, hand_y + 0.3 * r, sleeve, arm_w)
            hands.append((x2, hand_y))
    for hx, hy in hands:
        svg.ellipse(hx, hy, 0.32 * r, 0.38 * r, skin)
    if raised == "both" and rng.random() < 0.45:
        # A scarf held up between both hands, in the wearer's colours with a stripe.
        (lx, ly), (rx_, ry_) = hands
        stripe = shade(rng.choice(TEAM), dim)
        h = 0.5 * r
        svg.path("M%s %sL%s %sL%s %sL%s %sZ" % (f(lx), f(ly - h / 2), f(rx_), f(ry_ - h / 2),
                                                    f(rx_), f(ry_ + h / 2), f(lx), f(ly + h / 2)), shirt)
        svg.line(lx, ly, rx_, ry_, stripe, h * 0.35)

    # Shoulders and shirt; their lower part disappears behind the row in front.
    w = rng.uniform(1.25, 1.5) * r
    top = y + 0.85 * r
    bottom = y + 4.0 * r
    svg.path("M%s %sV%sQ%s %s %s %sH%sQ%s %s %s %sV%sZ" % (
        f(x - w), f(bottom), f(top + 0.9 * r), f(x - w), f(top), f(x - 0.55 * w), f(top),
        f(x + 0.55 * w), f(x + w), f(top), f(x + w), f(top + 0.9 * r), f(bottom)), shirt)
    if rng.random() < 0.3:
        # A collar or a contrasting band across the chest.
        svg.path("M%s %sL%s %sL%s %sZ" % (f(x - 0.35 * r), f(top), f(x), f(top + 0.6 * r),
                                          f(x + 0.35 * r), f(top)), skin)
    elif rng.random() < 0.25:
        band = shade(rng.choice(SHIRTS), dim)
        svg.path("M%s %sH%sV%sH%sZ" % (f(x - w), f(top + 1.3 * r), f(x + w), f(top + 1.8 * r),
                                        f(x - w)), band)

    hx, hy = x + lean, y
    rx, ry = 0.8 * r, 0.95 * r
    if style == "long":
        svg.ellipse(hx, hy + 0.35 * r, 1.0 * r, 1.35 * r, hair)
    elif style == "afro":
        svg.ellipse(hx, hy - 0.2 * r, 1.2 * r, 1.15 * r, hair)
    elif style == "short":
        svg.ellipse(hx, hy - 0.16 * r, 0.86 * r, 0.9 * r, hair)
    svg.ellipse(hx, hy, rx, ry, skin)
    if style == "long":
        svg.path("M%s %sQ%s %s %s %sQ%s %s %s %sZ" % (
            f(hx - rx), f(hy - 0.1 * r), f(hx), f(hy - 1.4 * r), f(hx + rx), f(hy - 0.1 * r),
            f(hx), f(hy - 0.55 * r), f(hx - rx), f(hy - 0.1 * r)), hair)
    elif style in ("cap", "beanie"):
        hat = shade(rng.choice(TEAM + SHIRTS[:6]), dim)
        svg.path("M%s %sQ%s %s %s %sZ" % (f(hx - 0.88 * r), f(hy - 0.25 * r), f(hx),
                                          f(hy - 1.55 * r), f(hx + 0.88 * r), f(hy - 0.25 * r)), hat)
        if style == "cap":
            d = rng.choice([-1, 1])
            svg.line(hx + d * 0.2 * r, hy - 0.3 * r, hx + d * 1.2 * r, hy - 0.22 * r, hat, 0.22 * r)
        else:
            svg.ellipse(hx, hy - 1.2 * r, 0.25 * r, 0.25 * r, shade("#f2f2f2", dim))

    if r > 5.2:
        # Faces: eyes, and an open cheering mouth now and then.
        ey = hy - 0.05 * r
        for sx in (-1, 1):
            svg.ellipse(hx + sx * 0.3 * r + lean * 0.5, ey, 0.1 * r, 0.13 * r, EYES)
        if rng.random() < 0.35:
            svg.ellipse(hx + lean * 0.5, hy + 0.5 * r, 0.18 * r, 0.2 * r, shade("#5b1a1a", dim))


def build():
    rng = random.Random(SEED)
    svg = Svg()
    svg.add('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            % (WIDTH, HEIGHT, WIDTH, HEIGHT))
    svg.add("<!-- Generated by tools/make_crowd.py; edit the script, not this file. -->")
    svg.add('<defs><linearGradient id="stand" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#141823"/><stop offset="1" stop-color="#3a3f4c"/>'
            '</linearGradient></defs>')
    svg.add('<rect width="%d" height="%d" fill="url(#stand)"/>' % (WIDTH, HEIGHT))

    # Rows from the back (top, small) to the front (bottom, large).
    radii = [3.6 + (9.2 - 3.6) * (k / (ROWS - 1)) ** 1.15 for k in range(ROWS)]
    y = 7.0
    for k, r in enumerate(radii):
        if k > 0:
            y += 1.9 * r
        depth = k / (ROWS - 1)
        # A faint step edge marks each tier of the stand.
        svg.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>'
                % (f(y + 1.6 * r), WIDTH, f(0.35 * r), shade("#59606e", 0.5 + 0.5 * depth)))
        spacing = 2.1 * r
        x = rng.uniform(-r, 0.5 * r)
        while x < WIDTH + r:
            scale = rng.uniform(0.88, 1.1) if rng.random() > 0.06 else rng.uniform(0.72, 0.8)
            if rng.random() > 0.025:  # the odd empty seat
                draw_fan(svg, rng, x, y + rng.uniform(-0.22, 0.22) * r + (1 - scale) * r,
                         r * scale, depth)
            x += spacing * rng.uniform(0.85, 1.15)

    # The front railing and the concrete lip of the stand.
    svg.add('<rect x="0" y="124" width="%d" height="2.4" fill="#b8bec8"/>' % WIDTH)
    for px in range(18, WIDTH, 70):
        svg.add('<rect x="%d" y="124" width="2" height="12" fill="#9aa1ad"/>' % px)
    svg.add('<rect x="0" y="134" width="%d" height="6" fill="#5d616b"/>' % WIDTH)
    svg.add('<rect x="0" y="134" width="%d" height="1" fill="#878c96"/>' % WIDTH)
    svg.add("</svg>")
    return "\n".join(svg.parts) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "crowd.svg")
    text = build()
    with open(out, "w", encoding="ascii") as fh:
        fh.write(text)
    print("wrote %s (%d bytes)" % (out, len(text)))


if __name__ == "__main__":
    main()
