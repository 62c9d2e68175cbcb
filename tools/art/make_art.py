#!/usr/bin/env python3
"""Builds every picture of Tarvik from the text pixel maps in this file.

Run it from anywhere: python3 tools/art/make_art.py [--preview DIR]
It rewrites assets/images/*.png and checks the results; commit both.
With --preview it also writes enlarged sheets to DIR for looking at: every
tile on the cell colour the game puts under it, the dialog pictures, the icon.

Each map is a list of equal-length strings, one character per pixel, looked
up in PALETTE ('.' is transparent). Every PNG is RGBA whose alpha is only 0 or
255, so the game can treat it as a one-bit mask.
"""

import os
import struct
import sys
import zlib

PALETTE = {
    '.': None,              # transparent
    'K': (0, 0, 0),         # outlines, pupils, nori
    'W': (255, 255, 255),   # eye shine, rice, sparkles, emblem
    'M': (224, 32, 224),    # cat fur (magenta)
    'P': (255, 184, 232),   # cat inner ears and nose
    'G': (64, 232, 64),     # cat eyes
    'O': (128, 128, 0),     # duck (olive)
    'D': (88, 88, 0),       # duck wing
    'R': (255, 128, 0),     # orange: beak, fruit, hat
    'r': (255, 192, 112),   # hat highlight
    'Y': (255, 224, 0),     # duck feet, flowers
    'L': (255, 255, 176),   # hat band (light yellow)
    'T': (80, 208, 48),     # leaves, reeds
    't': (24, 144, 24),     # leaf shade
    'B': (136, 72, 24),     # trunk
    'A': (144, 208, 255),   # pond water (light blue)
    'a': (72, 152, 232),    # ripples
    'e': (144, 144, 144),   # lines of text on the note
    'n': (255, 255, 200),   # note page
    # The colours the game paints cells in, used as backgrounds here.
    'd': (0, 64, 0),        # window background, outlines, joints
    'p': (255, 160, 255),   # cell under the player
    'y': (255, 255, 128),   # cell under an enemy
    'o': (0, 128, 0),       # obstacle cell
    'g': (0, 160, 0),       # ordinary and trap cells
}

TILE_W, TILE_H = 26, 24

# ---------------------------------------------------------------- tiles
# Pieces that spin are drawn in a 22 x 22 box; the box is centred in the
# 24 x 24 middle of the tile and turned as a square, so every quarter turn
# keeps a transparent margin.

CAT = [
    "..K................K..",
    ".KMK..............KMK.",
    ".KPMK............KMPK.",
    ".KPPMK..........KMPPK.",
    ".KPPPMK........KMPPPK.",
    ".KPPPPMKKKKKKKKMPPPPK.",
    "KMMMMMMMMMMMMMMMMMMMMK",
    "KMMMMMMMMMMMMMMMMMMMMK",
    "KMMKKKKKMMMMMMKKKKKMMK",
    "KMKGGKGGKMMMMKGGKGGKMK",
    "KMKGGKGGKMMMMKGGKGGKMK",
    "KMKGGKGGKMMMMKGGKGGKMK",
    "KMMKKKKKMMMMMMKKKKKMMK",
    "KMMMMMMMMMMMMMMMMMMMMK",
    "KMKKKKMMMPPPPMMMKKKKMK",
    "KMMMMMMMMMPPMMMMMMMMMK",
    "KMKKKKMMKMKKMKMMKKKKMK",
    "KMMMMMMMMKMMKMMMMMMMMK",
    ".KMMMMMMMMMMMMMMMMMMK.",
    "..KMMMMMMMMMMMMMMMMK..",
    "...KKMMMMMMMMMMMMKK...",
    ".....KKKKKKKKKKKK.....",
]

# Rows 8..12 of the cat, eyes shut.
CAT_BLINK_EYES = [
    "KMMMMMMMMMMMMMMMMMMMMK",
    "KMMMMMMMMMMMMMMMMMMMMK",
    "KMKMMMMMKMMMMKMMMMMKMK",
    "KMMKKKKKMMMMMMKKKKKMMK",
    "KMMMMMMMMMMMMMMMMMMMMK",
]

DUCK = [
    "......................",
    ".....KKKKK............",
    "....KOOOOOK...........",
    "...KOOOOOOOK..........",
    "...KOKKOOOOK..........",
    "...KOKWOOOOK..........",
    "KKKKOOOOOOOK..........",
    "KRRRKOOOOOOK.......KK.",
    "KRRRRKOOOOK.......KOK.",
    ".KRRKKOOOOK......KOOK.",
    "..KK.KOOOOKKKKKKKOOOK.",
    "....KOOOOOOOOOOOOOOOK.",
    "...KOOOOKKKKKKKKOOOOK.",
    "...KOOOOKDDDDDDDKOOOK.",
    "...KOOOOOKDDDDDDDKOOK.",
    "...KOOOOOOKKKKKKKOOOK.",
    "....KOOOOOOOOOOOOOOK..",
    ".....KKKKKKKKKKKKKK...",
    "......................",
    "......................",
    "......................",
    "......................",
]

# Overlays for the four bottom rows of the duck ('.' keeps what is there).
DUCK_FEET = [
    ".........KYK..KYK.....",
    ".........KYK..KYK.....",
    ".......KYYYK.KYYYK....",
    ".......KKKKK.KKKKK....",
]

# Feet drawn in under the belly while the duck is up in the air.
DUCK_FEET_TUCKED = [
    "........KYYK..KYYK....",
    "........KKKK..KKKK....",
    "......................",
    "......................",
]

HAT = [
    "......................",
    "......................",
    "......................",
    "......KKKKKKKKKK......",
    ".....KRRRRRRRRRRK.....",
    ".....KRrRRRRRRRRK.....",
    ".....KRrRRRRRRRRK.....",
    ".....KRrRRRRRRRRK.....",
    ".....KRrRRRRRRRRK.....",
    ".....KRrRRRRRRRRK.....",
    ".....KRRRRRRRRRRK.....",
    ".....KLLLLLLLLLLK.....",
    ".....KLLLLLLLLLLK.....",
    ".....KLLLLLLLLLLK.....",
    ".KKKKKRRRRRRRRRRKKKKK.",
    "KRRRRRRRRRRRRRRRRRRRRK",
    "KRRRRRRRRRRRRRRRRRRRRK",
    ".KKKKKKKKKKKKKKKKKKKK.",
    "......................",
    "......................",
    "......................",
    "......................",
]

TREE = [
    "..........................",
    "...........KKKK...........",
    "..........KKKTTK..........",
    ".........KKRRKTTK.........",
    ".....KKKKTKRRKTTTKKKK.....",
    "....KTTTTTTKKTTTTKKTTK....",
    "...KTTTTTTTTTTTTKRRKTtK...",
    "..KTTKKTTTTTTTTTKRRKTttK..",
    "..KTKRRKTTTTTTTTTKKTTttK..",
    "..KTKRRKTTTTTTTTTTTTTttK..",
    "..KTTKKTTTTTTKKTTTTTtttK..",
    "...KTTTTTTTTKRRKTTTKKtK...",
    "....KTTTKKTTKRRKTTKRRK....",
    "....KTTKRRKtTKKTTTKRRK....",
    ".....KTKRRKtKKTTTttKK.....",
    ".....KttKKttKKttttttK.....",
    "......KKKKKBBBKKKKKK......",
    "..........KBBBK...........",
    "..........KBBBK...........",
    "..........KBBBK...........",
    ".........KBBBBBK..........",
    "........KBBKKKBBK.........",
    ".........KK...KK..........",
    "..........................",
]

POND = [
    "..........................",
    "...................K......",
    "..................KTK.....",
    "..................KTK..K..",
    "...............K..KTK.KTK.",
    "..............KTK.KTK.KTK.",
    "..............KTK.KTK.KTK.",
    "..............KTK.KTK.KTK.",
    "..............KTK.KTK.KTK.",
    ".......KKKKKKKKTKKKTK.KTK.",
    ".....KKAAAAAAAKTKAKTK.KTK.",
    "....KAAAAAAAAAKTKAKTKKKTK.",
    "...KAAYAAAAAAAKTKAKTKAKTK.",
    "..KAAYRYAAAAAAAAAAAAAAAK..",
    ".KAAAAYAAAAAAAaaaaAAAAAAK.",
    ".KAAAAAAAAAAAAAAAAAAAAAAK.",
    ".KAAAAAAAAAAAAAAAAAYAAAAK.",
    "..KAaaaaAAYAAAAAAAYRYAAK..",
    "...KAAAAAYRYAAAAAAAYAAK...",
    "....KAAAAAYAAAAAAAAAAK....",
    ".....KKAAAAAaaaaAAAKK.....",
    ".......KKKKKKKKKKKK.......",
    "..........................",
    "..........................",
]

RICE = [
    "..........................",
    "..........................",
    "..........................",
    "............KK............",
    "...........KWWK...........",
    "..........KWWWWK..........",
    ".........KWWWWWWK.........",
    ".........KWWWWWWK.........",
    "........KWWWWWWWWK........",
    ".......KWWWWWWWWWWK.......",
    ".......KWWWWWWWWWWK.......",
    "......KWWWWWWWWWWWWK......",
    ".....KWWWWWWWWWWWWWWK.....",
    ".....KWWWWWWWWWWWWWWK.....",
    "....KWWWWWKKKKKKWWWWWK....",
    "...KWWWWWWKKKKKKWWWWWWK...",
    "...KWWWWWWKKKKKKWWWWWWK...",
    "...KWWWWWWKKKKKKWWWWWWK...",
    "....KWWWWWKKKKKKWWWWWK....",
    ".....KKKKKKKKKKKKKKKK.....",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
]

# Laid over the rice ball for the hat-trick frame.
SPARKLES = [
    "..........................",
    "....W..................W..",
    "...WWW................WWW.",
    "....W..................W..",
    "..........................",
    "..........................",
    "..........................",
    "...W..................W...",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..........................",
    "..W....................W..",
    ".WWW..................WWW.",
    "..W....................W..",
    "..........................",
]

# ---------------------------------------------------------------- joints
# Drawn in the window background colour across the edge two cells share.

JOINT_H0 = [
    "......ddddd.",
    "dd...ddddddd",
    "ddddddd...dd",
    ".ddddd......",
]

JOINT_V0 = [
    ".dd.",
    "ddd.",
    "dd..",
    "dd..",
    "dd..",
    "ddd.",
    ".ddd",
    "..dd",
    "..dd",
    "..dd",
    ".ddd",
    ".dd.",
]

# The opaque pixels of the joints as the game's drawing code expects them:
# per row, inclusive column ranges.
JOINT_H_RANGES = [
    [[(6, 10)], [(0, 1), (5, 11)], [(0, 6), (10, 11)], [(1, 5)]],
    [[(1, 5)], [(0, 6), (10, 11)], [(0, 1), (5, 11)], [(6, 10)]],
]
JOINT_V_RANGES = [
    [[(1, 2)], [(0, 2)], [(0, 1)], [(0, 1)], [(0, 1)], [(0, 2)],
     [(1, 3)], [(2, 3)], [(2, 3)], [(2, 3)], [(1, 3)], [(1, 2)]],
    [[(1, 2)], [(1, 3)], [(2, 3)], [(2, 3)], [(2, 3)], [(1, 3)],
     [(0, 2)], [(0, 1)], [(0, 1)], [(0, 1)], [(0, 2)], [(1, 2)]],
]

# ---------------------------------------------------------------- icon
# A dark-green square in four quarters: cat's eyes, duck's face, a paw
# print and a rice ball. 32 x 32: 13 x 13 quarters; 16 x 16: 6 x 6.

ICON32_QUARTERS = {
    'cat': [
        "ppppppppppppp",
        "ppppppppppppp",
        "ppKKKpppKKKpp",
        "pKGKGKpKGKGKp",
        "pKGKGKpKGKGKp",
        "pKGKGKpKGKGKp",
        "pKGKGKpKGKGKp",
        "ppKKKpppKKKpp",
        "ppppppppppppp",
        "pppppMMMppppp",
        "ppppKpKpKpppp",
        "pppppKpKppppp",
        "ppppppppppppp",
    ],
    'duck': [
        "OOOOOOOOOOOOO",
        "OOKKKOOOKKKOO",
        "OKWWWKOKWWWKO",
        "OKWKKKOKWKKKO",
        "OKWKKKOKWKKKO",
        "OOKKKOOOKKKOO",
        "OOOOOOOOOOOOO",
        "OOKKKKKKKKKOO",
        "OKRRRRRRRRRKO",
        "KRRRRRRRRRRRK",
        "OKKKKKKKKKKKO",
        "OOKRRRRRRRKOO",
        "OOOKKKKKKKOOO",
    ],
    'paw': [
        "ggggggggggggg",
        "ggggWWgWWgggg",
        "ggggWWgWWgggg",
        "gWWgggggggWWg",
        "gWWgggggggWWg",
        "ggggggggggggg",
        "ggggWWWWWgggg",
        "gggWWWWWWWggg",
        "ggWWWWWWWWWgg",
        "ggWWWWWWWWWgg",
        "gggWWWgWWWggg",
        "ggggggggggggg",
        "ggggggggggggg",
    ],
    'rice': [
        "ggggggggggggg",
        "ggggggKgggggg",
        "gggggKWKggggg",
        "ggggKWWWKgggg",
        "ggggKWWWKgggg",
        "gggKWWWWWKggg",
        "ggKWWWWWWWKgg",
        "ggKWWWWWWWKgg",
        "gKWWWKKKWWWKg",
        "KWWWWKKKWWWWK",
        "KWWWWKKKWWWWK",
        "gKKKKKKKKKKKg",
        "ggggggggggggg",
    ],
}

ICON16_QUARTERS = {
    'cat': [
        "pppppp",
        "pGppGp",
        "GKGGKG",
        "pGppGp",
        "pppppp",
        "ppKKpp",
    ],
    'duck': [
        "OOOOOO",
        "WKOOWK",
        "OOOOOO",
        "KKKKKK",
        "RRRRRR",
        "KKKKKK",
    ],
    'paw': [
        "gWggWg",
        "WggggW",
        "ggWWgg",
        "gWWWWg",
        "gWWWWg",
        "gggggg",
    ],
    'rice': [
        "gggggg",
        "ggKKgg",
        "gKWWKg",
        "KWWWWK",
        "KWKKWK",
        "KKKKKK",
    ],
}

# ---------------------------------------------------------------- dialogs

NOTE = [
    "oooooooooooooooooooooooooooo",
    "oooooooooooooooooooooooooooo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonneeeeeeeeeeeeeeeeeennnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonneeeeeeeeeeeeeeennnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonneeeeeeeeeeeeeeeeeeeennoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonneeeeeeeeeeeeennnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonneeeeeeeeeeeeeeeeeeennnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonneeeeeeeeeeennnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oonnnnnnnnnnnnnnnnnnnnnnnnoo",
    "oooooooooooooooooooooooooooo",
    "oooooooooooooooooooooooooooo",
]

PICTURE_W, PICTURE_H = 36, 32

# ---------------------------------------------------------------- map tools


def size(grid):
    return len(grid[0]), len(grid)


def check_rect(grid, name):
    w = len(grid[0])
    for y, row in enumerate(grid):
        assert len(row) == w, f"{name}: row {y} is {len(row)} wide, not {w}"
        for ch in row:
            assert ch in PALETTE, f"{name}: unknown colour {ch!r} in row {y}"


def blank(w, h, ch='.'):
    return [ch * w for _ in range(h)]


def paste(base, top, x, y):
    """Lays the opaque pixels of top over base with its corner at (x, y)."""
    out = [list(row) for row in base]
    for dy, row in enumerate(top):
        for dx, ch in enumerate(row):
            if ch != '.':
                out[y + dy][x + dx] = ch
    return [''.join(row) for row in out]


def centred(grid, w, h, ch='.'):
    gw, gh = size(grid)
    assert (w - gw) % 2 == 0 and (h - gh) % 2 == 0, "map does not centre exactly"
    return paste(blank(w, h, ch), grid, (w - gw) // 2, (h - gh) // 2)


def turn_cw(grid):
    w, h = size(grid)
    return [''.join(grid[h - 1 - x][y] for x in range(h)) for y in range(w)]


def mirror_lr(grid):
    return [row[::-1] for row in grid]


def mirror_tb(grid):
    return grid[::-1]


def side_by_side(grids):
    return [''.join(rows) for rows in zip(*grids)]


def scaled(grid, k):
    return [''.join(ch * k for ch in row) for row in grid for _ in range(k)]


def filled(grid, ch):
    """Puts a solid colour under every transparent pixel."""
    return [row.replace('.', ch) for row in grid]


# ---------------------------------------------------------------- building


def spin_frames(box22):
    """Frame 0 and its three quarter turns clockwise, as 26 x 24 tiles."""
    square = centred(box22, 24, 24)
    frames = []
    for _ in range(4):
        frames.append(centred(square, TILE_W, TILE_H))
        square = turn_cw(square)
    return frames


def duck_with(feet, lift):
    body = DUCK[lift:] + blank(22, lift)
    return paste(body, feet, 0, 18 - lift)


def cat_blinking():
    return CAT[:8] + CAT_BLINK_EYES + CAT[13:]


def build_tiles():
    duck = duck_with(DUCK_FEET, 0)
    hopping = duck_with(DUCK_FEET_TUCKED, 2)
    cat = spin_frames(CAT)
    tiles = cat + [centred(centred(cat_blinking(), 24, 24), TILE_W, TILE_H)]
    tiles += spin_frames(duck)
    tiles.append(centred(centred(hopping, 24, 24), TILE_W, TILE_H))
    tiles += spin_frames(HAT)
    tiles += [TREE, POND, RICE, paste(RICE, SPARKLES, 0, 0)]
    return tiles


def build_joints():
    h = [JOINT_H0, mirror_tb(JOINT_H0)]
    v = [JOINT_V0, mirror_lr(JOINT_V0)]
    return h, v


def icon_from(quarters, q, frame, divider):
    far = frame + q + divider
    icon = blank(far + q + frame, far + q + frame, 'd')
    icon = paste(icon, quarters['cat'], frame, frame)
    icon = paste(icon, quarters['duck'], far, frame)
    icon = paste(icon, quarters['paw'], frame, far)
    return paste(icon, quarters['rice'], far, far)


def build_icons():
    icon16 = icon_from(ICON16_QUARTERS, 6, 1, 2)
    icon32 = icon_from(ICON32_QUARTERS, 13, 2, 2)
    # Bigger sizes are exact multiples of the drawn ones, so they stay crisp.
    return {16: icon16, 32: icon32, 48: scaled(icon16, 3), 64: scaled(icon32, 2),
            128: scaled(icon32, 4), 256: scaled(icon32, 8)}


def framed_cell(colour):
    """A 36 x 32 picture of a cell as the game draws it: one-pixel outline."""
    cell = blank(PICTURE_W, PICTURE_H, colour)
    cell = paste(cell, ['d' * PICTURE_W], 0, 0)
    cell = paste(cell, ['d' * PICTURE_W], 0, PICTURE_H - 1)
    cell = paste(cell, ['d'] * PICTURE_H, 0, 0)
    return paste(cell, ['d'] * PICTURE_H, PICTURE_W - 1, 0)


def build_cell_picture():
    """A green cell surrounded by its neighbours, its outline notched by the
    four joints exactly as the field shows them."""
    w, h = PICTURE_W, PICTURE_H
    x0, y0, x1, y1 = 4, 3, w - 4, h - 3      # the cell, right and bottom exclusive
    pic = blank(w, h, 'g')
    for x in range(x0 - 1, x1 + 1):
        pic = paste(pic, ['d', 'd'], x, y0 - 1)
        pic = paste(pic, ['d', 'd'], x, y1 - 1)
    for y in range(y0 - 1, y1 + 1):
        pic = paste(pic, ['dd'], x0 - 1, y)
        pic = paste(pic, ['dd'], x1 - 1, y)
    joints_h, joints_v = build_joints()
    jx, jy = (w - 12) // 2, (h - 12) // 2
    for ys, k in ((y0 - 2, 0), (y1 - 2, 1)):
        pic = paste(pic, blank(12, 4, 'g'), jx, ys)
        pic = paste(pic, joints_h[k], jx, ys)
    for xs, k in ((x0 - 2, 1), (x1 - 2, 0)):
        pic = paste(pic, blank(4, 12, 'g'), xs, jy)
        pic = paste(pic, joints_v[k], xs, jy)
    return pic


def build_pictures(tiles):
    def on_cell(tile, colour):
        return paste(framed_cell(colour), tile, (PICTURE_W - TILE_W) // 2,
                     (PICTURE_H - TILE_H) // 2)
    return {
        'cell': build_cell_picture(),
        'duck': on_cell(tiles[5], 'y'),
        'tree': on_cell(tiles[14], 'o'),
        'pond': on_cell(tiles[15], 'g'),
        'note': NOTE,
    }


# ---------------------------------------------------------------- PNG


def rgba_rows(grid):
    rows = []
    for row in grid:
        out = bytearray()
        for ch in row:
            c = PALETTE[ch]
            out += bytes((0, 0, 0, 0)) if c is None else bytes((*c, 255))
        rows.append(bytes(out))
    return rows


def png_bytes(grid):
    w, h = size(grid)
    raw = b''.join(b'\x00' + row for row in rgba_rows(grid))

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def read_png(data):
    """Reads back one of our own files: 8-bit RGBA, unfiltered rows."""
    assert data[:8] == b'\x89PNG\r\n\x1a\n'
    pos, idat, w = 8, b'', 0
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        if kind == b'IHDR':
            w, h, depth, ctype = struct.unpack('>IIBB', body[:10])
            assert (depth, ctype) == (8, 6)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + n
    raw = zlib.decompress(idat)
    stride = 1 + 4 * w
    rows = [raw[i:i + stride] for i in range(0, len(raw), stride)]
    assert all(r[0] == 0 for r in rows)
    return w, len(rows), [r[1:] for r in rows]


# ---------------------------------------------------------------- checks


def opaque(grid):
    return {(x, y) for y, row in enumerate(grid) for x, ch in enumerate(row) if ch != '.'}


def check_joint(grid, ranges, name):
    want = {(x, y) for y, row in enumerate(ranges) for a, b in row for x in range(a, b + 1)}
    assert opaque(grid) == want, f"{name}: opaque pixels differ from the joint table"
    assert {ch for row in grid for ch in row} <= {'.', 'd'}, f"{name}: not all background colour"


def check_tiles(tiles):
    assert len(tiles) == 18
    for i, tile in enumerate(tiles):
        check_rect(tile, f"tile {i}")
        assert size(tile) == (TILE_W, TILE_H), f"tile {i} is {size(tile)}"
        pixels = opaque(tile)
        xs, ys = {x for x, _ in pixels}, {y for _, y in pixels}
        # A transparent rim lets the cell colour show round every picture.
        assert min(xs) >= 1 and max(xs) <= TILE_W - 2, f"tile {i} touches a side"
        assert min(ys) >= 1 and max(ys) <= TILE_H - 2, f"tile {i} touches top or bottom"
    # Frames 0..3 of each spinning piece: every step, and back from 3 to 0, is
    # the 24 x 24 middle turned a quarter clockwise, (x, y) -> (23 - y, x).
    for first in (0, 5, 10):
        for k in range(4):
            a, b = tiles[first + k], tiles[first + (k + 1) % 4]
            assert a != b, f"tile {first + k} does not turn"
            for y in range(24):
                for x in range(24):
                    assert b[x][1 + 23 - y] == a[y][1 + x], \
                        f"tile {first + (k + 1) % 4} is not a quarter turn of tile {first + k}"
    # The blink and the hop must differ from the still frame they alternate with.
    for still, moved in ((0, 4), (5, 9)):
        assert tiles[still] != tiles[moved]


def check_png(path, grid):
    with open(path, 'rb') as f:
        w, h, rows = read_png(f.read())
    assert (w, h) == size(grid), f"{path}: size {w} x {h}"
    assert rows == rgba_rows(grid), f"{path}: pixels differ after reading back"
    alphas = {row[i] for row in rows for i in range(3, len(row), 4)}
    assert alphas <= {0, 255}, f"{path}: partial transparency"
    return alphas


# ---------------------------------------------------------------- main


# The colour of the cell each tile is drawn on in the game.
TILE_CELLS = 'ppppp' + 'y' * 9 + 'o' + 'g' * 3


def write_previews(folder, tiles, pictures, icons):
    os.makedirs(folder, exist_ok=True)
    gap = lambda grid: [row + 'd' for row in grid]
    sheets = {
        'preview_tiles': side_by_side([gap(filled(t, c)) for t, c in zip(tiles, TILE_CELLS)]),
        'preview_pictures': side_by_side([gap(centred(p, 36, 32, 'd')) for p in pictures.values()]),
        'preview_icons': side_by_side([gap(centred(scaled(icons[16], 2), 32, 32)), gap(icons[32])]),
    }
    for name, grid in sheets.items():
        with open(os.path.join(folder, name + '.png'), 'wb') as f:
            f.write(png_bytes(scaled(grid, 8)))


def main():
    if not __debug__:
        sys.exit("the checks are asserts: run without -O")
    args = sys.argv[1:]
    if args and (len(args) != 2 or args[0] != '--preview'):
        sys.exit("usage: make_art.py [--preview DIR]")
    root = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
    out_dir = os.path.join(root, 'assets', 'images')
    os.makedirs(out_dir, exist_ok=True)

    for name, grid in (('CAT', CAT), ('DUCK', DUCK), ('HAT', HAT)):
        check_rect(grid, name)
        assert size(grid) == (22, 22), f"{name} must be 22 x 22"
    tiles = build_tiles()
    check_tiles(tiles)

    joints_h, joints_v = build_joints()
    for k in (0, 1):
        check_joint(joints_h[k], JOINT_H_RANGES[k], f"JointH {k}")
        check_joint(joints_v[k], JOINT_V_RANGES[k], f"JointV {k}")
    assert joints_h[1] == mirror_tb(joints_h[0]) and joints_v[1] == mirror_lr(joints_v[0])

    icons = build_icons()
    pictures = build_pictures(tiles)

    images = {'tiles': side_by_side(tiles),
              'joints_h': side_by_side(joints_h),
              'joints_v': side_by_side(joints_v)}
    for px, icon in icons.items():
        assert size(icon) == (px, px)
        images[f'icon{px}'] = icon
    images.update(pictures)

    expected = {'tiles': (468, 24), 'joints_h': (24, 4), 'joints_v': (8, 12),
                'cell': (36, 32), 'duck': (36, 32), 'tree': (36, 32), 'pond': (36, 32),
                'note': (28, 26)}
    for name, grid in images.items():
        check_rect(grid, name)
        if name in expected:
            assert size(grid) == expected[name], f"{name} is {size(grid)}"
        path = os.path.join(out_dir, name + '.png')
        with open(path, 'wb') as f:
            f.write(png_bytes(grid))
        alphas = check_png(path, grid)
        if name.startswith('icon') or name in pictures:
            assert alphas == {255}, f"{name} must be fully opaque"
    print(f"wrote {len(images)} images to {os.path.relpath(out_dir)}")
    if args:
        write_previews(args[1], tiles, pictures, icons)
        print(f"wrote previews to {args[1]}")
    return 0


if __name__ == '__main__':
    sys.exit(main())
