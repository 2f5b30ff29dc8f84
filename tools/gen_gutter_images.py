#!/usr/bin/env python3
"""Draws the editor control's gutter pictures into resources/ as XPM files.

MEMO_BREAKPOINT: a 9 x 9 red disc with a black outline.
BIGBOOKMARK0..9: 15 x 15 tiles with a chequered green face, a dark frame and
the digit in black. The pictures are committed; the build never runs this.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(HERE), "resources")

# 3 x 5 digit shapes, one string per row.
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
}


def write_xpm(name, rows, palette):
    lines = ["/* XPM */", "static const char *%s[] = {" % name.lower(),
             '"%d %d %d 1",' % (len(rows[0]), len(rows), len(palette))]
    for key, colour in palette.items():
        lines.append('"%s c %s",' % (key, colour))
    for i, row in enumerate(rows):
        lines.append('"%s"%s' % (row, "," if i + 1 < len(rows) else ""))
    lines.append("};")
    with open(os.path.join(OUT, name + ".xpm"), "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")


def breakpoint_disc():
    size, centre = 9, 4.0
    rows = []
    for y in range(size):
        row = ""
        for x in range(size):
            d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
            row += "r" if d <= 3.2 else "k" if d <= 4.5 else "."
        rows.append(row)
    return rows


def bookmark_tile(digit):
    size = 15
    rows = [["g" if (x + y) % 2 == 0 else "l" for x in range(size)] for y in range(size)]
    for i in range(size):
        rows[0][i] = rows[size - 1][i] = rows[i][0] = rows[i][size - 1] = "d"
    # The digit doubled to 6 x 10 pixels, centred, on a light plate.
    left, top = 4, 2
    for y in range(top - 1, top + 11):
        for x in range(left - 1, left + 7):
            rows[y][x] = "w"
    for dy, shape_row in enumerate(DIGITS[digit]):
        for dx, cell in enumerate(shape_row):
            if cell == "#":
                for sy in range(2):
                    for sx in range(2):
                        rows[top + dy * 2 + sy][left + dx * 2 + sx] = "k"
    return ["".join(r) for r in rows]


def main():
    os.makedirs(OUT, exist_ok=True)
    write_xpm("MEMO_BREAKPOINT", breakpoint_disc(),
              {".": "None", "r": "#FF0000", "k": "#000000"})
    for digit in DIGITS:
        write_xpm("BIGBOOKMARK" + digit, bookmark_tile(digit),
                  {"d": "#006000", "g": "#20C040", "l": "#90E0A0", "w": "#E8FFE8",
                   "k": "#000000"})


if __name__ == "__main__":
    main()
