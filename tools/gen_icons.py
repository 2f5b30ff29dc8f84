#!/usr/bin/env python3
"""Draws the toolbar's fallback icons (used where the desktop's icon theme
has none) as 16x16 PNG files in resources/icons/. The build never runs this;
the PNG files are committed."""
import os
import struct
import zlib

SIZE = 16
INK = (40, 40, 40, 255)
PAPER = (250, 250, 250, 255)
BLUE = (40, 90, 170, 255)
YELLOW = (230, 190, 70, 255)
GREEN = (40, 140, 60, 255)
RED = (190, 40, 40, 255)
GREY = (150, 150, 150, 255)


class Icon:
    def __init__(self):
        self.px = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]

    def dot(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def box(self, x0, y0, x1, y1, inside, edge=INK):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def png(self):
        raw = b"".join(b"\0" + b"".join(struct.pack("4B", *p) for p in row) for row in self.px)

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def page(icon, x0=3, y0=1, x1=12, y1=14):
    icon.box(x0, y0, x1, y1, PAPER)
    for y in range(y0 + 3, y1 - 1, 2):
        icon.line(x0 + 2, y, x1 - 2, y, GREY)


def arrow(icon, left, y=8):
    x0, x1 = (3, 12) if left else (12, 3)
    step = 1 if left else -1
    icon.line(x0, y, x1, y, BLUE)
    icon.line(x0, y, x0 + 3 * step, y - 3, BLUE)
    icon.line(x0, y, x0 + 3 * step, y + 3, BLUE)
    icon.line(x1, y, x1, y + 4, BLUE)


def indent(icon, more):
    for y in (2, 13):
        icon.line(2, y, 14, y, INK)
    for y in (5, 8, 11):
        icon.line(7, y, 14, y, INK)
    if more:
        icon.line(1, 8, 5, 8, BLUE)
        icon.line(5, 8, 3, 6, BLUE)
        icon.line(5, 8, 3, 10, BLUE)
    else:
        icon.line(1, 8, 5, 8, BLUE)
        icon.line(1, 8, 3, 6, BLUE)
        icon.line(1, 8, 3, 10, BLUE)


def draw():
    icons = {}

    i = Icon(); page(i); i.fill(10, 1, 12, 3, (0, 0, 0, 0)); i.line(10, 1, 12, 3, INK)
    i.fill(11, 10, 13, 14, GREEN); icons["document-new"] = i

    i = Icon(); i.box(1, 4, 14, 13, YELLOW); i.box(1, 3, 6, 5, YELLOW)
    icons["document-open"] = i

    i = Icon(); i.box(1, 1, 14, 14, BLUE); i.box(4, 2, 11, 6, PAPER); i.box(4, 9, 11, 14, GREY)
    icons["document-save"] = i

    i = Icon(); i.box(4, 1, 11, 6, PAPER); i.box(1, 6, 14, 11, GREY); i.box(4, 10, 11, 14, PAPER)
    i.dot(12, 8, GREEN); icons["document-print"] = i

    i = Icon(); i.line(4, 1, 10, 10, INK); i.line(11, 1, 5, 10, INK)
    i.frame(2, 10, 5, 13, RED); i.frame(10, 10, 13, 13, RED); icons["edit-cut"] = i

    i = Icon(); page(i, 1, 1, 9, 10); page(i, 6, 5, 14, 14); icons["edit-copy"] = i

    i = Icon(); i.box(2, 2, 13, 14, YELLOW); i.box(5, 1, 10, 3, GREY); page(i, 6, 6, 13, 14)
    icons["edit-paste"] = i

    i = Icon(); arrow(i, True); icons["edit-undo"] = i
    i = Icon(); arrow(i, False); icons["edit-redo"] = i
    i = Icon(); indent(i, True); icons["format-indent-more"] = i
    i = Icon(); indent(i, False); icons["format-indent-less"] = i

    i = Icon(); i.box(2, 2, 13, 13, PAPER)
    for x, y in ((5, 5), (10, 5), (5, 10), (10, 10)):
        i.fill(x - 1, y - 1, x + 1, y + 1, BLUE)
    icons["preferences-desktop"] = i
    return icons


def main():
    folder = os.path.join(os.path.dirname(__file__), "..", "resources", "icons")
    os.makedirs(folder, exist_ok=True)
    for name, icon in draw().items():
        with open(os.path.join(folder, name + ".png"), "wb") as out:
            out.write(icon.png())


if __name__ == "__main__":
    main()
