#!/usr/bin/env python3
"""Draws the Orvalis program icon, 48 x 48: a glider on the field with its
next generation shown in the preview colours (red cells die, light grey
cells are born). Writes orvalis.svg and orvalis.png beside this script; run
it once after changing the drawing and commit both files."""
import os
import struct
import zlib

SIZE = 48
FRAME = (31, 63, 127)
PAPER = (255, 255, 255)
GRID = (160, 160, 160)
CELL_PITCH, GRID_ORIGIN, GRID_CELLS = 8, 4, 5
CELLS = {  # (column, row): colour
    (3, 2): (50, 50, 50), (2, 3): (50, 50, 50), (3, 3): (50, 50, 50),
    (2, 1): (150, 0, 0), (1, 3): (150, 0, 0),
    (1, 2): (220, 220, 220), (2, 4): (220, 220, 220),
}


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def tile_colour(x, y):
    """Colour of the tile at a sub-pixel point, or None outside it."""
    if not inside_rounded(x, y, 0, 0, SIZE, SIZE, 7):
        return None
    return PAPER if inside_rounded(x, y, 2, 2, SIZE - 2, SIZE - 2, 5) else FRAME


def pixel(px, py):
    end = GRID_ORIGIN + CELL_PITCH * GRID_CELLS
    column, row = (px - GRID_ORIGIN) // CELL_PITCH, (py - GRID_ORIGIN) // CELL_PITCH
    on_grid = GRID_ORIGIN <= px <= end and GRID_ORIGIN <= py <= end
    if on_grid and ((px - GRID_ORIGIN) % CELL_PITCH == 0 or (py - GRID_ORIGIN) % CELL_PITCH == 0):
        return GRID + (255,)
    if on_grid and (column, row) in CELLS:
        return CELLS[(column, row)] + (255,)
    # Only the rounded frame needs smoothing: 4 x 4 samples a pixel.
    samples = [tile_colour(px + (i + 0.5) / 4, py + (j + 0.5) / 4) for i in range(4) for j in range(4)]
    covered = [s for s in samples if s is not None]
    if not covered:
        return (0, 0, 0, 0)
    rgb = tuple(round(sum(s[k] for s in covered) / len(covered)) for k in range(3))
    return rgb + (round(255 * len(covered) / len(samples)),)


def write_png(path):
    rows = b"".join(b"\0" + bytes(c for x in range(SIZE) for c in pixel(x, y)) for y in range(SIZE))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def write_svg(path):
    hex_colour = lambda c: "#%02x%02x%02x" % c
    end = GRID_ORIGIN + CELL_PITCH * GRID_CELLS
    lines = [GRID_ORIGIN + CELL_PITCH * i + 0.5 for i in range(GRID_CELLS + 1)]
    grid = "".join(f"M{v} {GRID_ORIGIN}v{end - GRID_ORIGIN + 1}" for v in lines)
    grid += "".join(f"M{GRID_ORIGIN} {v}h{end - GRID_ORIGIN + 1}" for v in lines)
    cells = "".join(
        f'  <rect x="{GRID_ORIGIN + CELL_PITCH * c + 1}" y="{GRID_ORIGIN + CELL_PITCH * r + 1}" '
        f'width="{CELL_PITCH - 1}" height="{CELL_PITCH - 1}" fill="{hex_colour(colour)}"/>\n'
        for (c, r), colour in sorted(CELLS.items(), key=lambda item: (item[0][1], item[0][0])))
    with open(path, "w", encoding="utf-8") as out:
        out.write(
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n'
            f'  <rect x="1" y="1" width="{SIZE - 2}" height="{SIZE - 2}" rx="6" ry="6" '
            f'fill="{hex_colour(PAPER)}" stroke="{hex_colour(FRAME)}" stroke-width="2"/>\n'
            f'  <path d="{grid}" stroke="{hex_colour(GRID)}" stroke-width="1" fill="none"/>\n'
            f"{cells}</svg>\n")


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_png(os.path.join(here, "orvalis.png"))
    write_svg(os.path.join(here, "orvalis.svg"))
