#!/usr/bin/env python3
"""Writes an `orvik-cli replay` script of line strokes spread over the
drawing area, to time a long pen session on a large drawing.

usage: make_replay_strokes.py [N] [--seed S] [--area WxH] > SCRIPT

N strokes (default 1000) in the line mode on an area of W x H pixels
(default 1600x1000), then OK. The strokes lie one in each cell of a grid
over the area, in a shuffled order, each 20 to 120 pixels long in a
random direction, so that every one adds a line in a new place. The same
arguments give the same script. Standard library only.

Timing it (the drawing in DIR is read at the start and rewritten by OK):
  build/bin/orvik-make-drawing 1000000 DIR/JWC_TEMP.TXT
  bench/make_replay_strokes.py > strokes.txt
  time build/bin/orvik-cli replay DIR strokes.txt
"""

import math
import random
import sys


def parse(argv):
    count, seed, width, height = 1000, 1, 1600, 1000
    args = list(argv[1:])
    while args:
        arg = args.pop(0)
        if arg == "--seed" and args:
            seed = int(args.pop(0))
        elif arg == "--area" and args:
            width, height = (int(v) for v in args.pop(0).split("x"))
        elif arg.isdigit():
            count = int(arg)
        else:
            raise ValueError(arg)
    if count < 1 or width < 200 or height < 200:
        raise ValueError("N must be at least 1 and the area 200x200")
    return count, seed, width, height


def strokes(count, seed, width, height):
    rng = random.Random(seed)
    margin = 60
    columns = max(1, round(math.sqrt(count * width / height)))
    rows = -(-count // columns)
    cell_w = (width - 2 * margin) / columns
    cell_h = (height - 2 * margin) / rows
    cells = [(c, r) for r in range(rows) for c in range(columns)][:count]
    rng.shuffle(cells)
    for c, r in cells:
        x1 = margin + (c + rng.random()) * cell_w
        y1 = margin + (r + rng.random()) * cell_h
        angle = rng.random() * 2 * math.pi
        length = 20 + rng.random() * 100
        x2 = min(max(x1 + length * math.cos(angle), 1), width - 2)
        y2 = min(max(y1 + length * math.sin(angle), 1), height - 2)
        yield int(x1), int(y1), int(x2), int(y2)


def main(argv):
    try:
        count, seed, width, height = parse(argv)
    except ValueError:
        sys.stderr.write("usage: make_replay_strokes.py [N] [--seed S] "
                         "[--area WxH]\n")
        return 2
    out = ["# %d line strokes (make_replay_strokes.py, seed %d)" % (count, seed),
           "area %d %d" % (width, height),
           "mode 2"]
    out += ["stroke %d %d %d %d" % s for s in strokes(count, seed, width, height)]
    out.append("ok")
    sys.stdout.write("\n".join(out) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
