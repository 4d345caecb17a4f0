#!/usr/bin/python3
"""Writes the program's icon, the main menu's emblem (virlan0.bmp in
data/shared.py), as square PNGs with a transparent background at the sizes a
desktop's icon theme looks for:

    /usr/bin/python3 tools/gen/icons.py --out DIR

gives DIR/NxN/apps/vzt-trainer.png for N in 16 22 24 32 48 64 128 256 (the
layout of the hicolor theme). The emblem is drawn again from its description
at a scale large enough for the largest icon, then reduced; the same
description always gives the same bytes.
"""
import argparse
import io
import sys
from pathlib import Path

import numpy as np
from PIL import Image

sys.path.insert(0, str(Path(__file__).resolve().parent))

from vztgen import loader, render  # noqa: E402

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
EMBLEM = "virlan0.bmp"
SCALE = 8   # the 60 x 75 emblem drawn at 480 x 600


def _draw(picture, paper):
    w, h = picture.box
    with render.at_scale(SCALE, None):
        fig, ax = render.canvas(w, h, paper)
        picture.draw(ax)
        return np.asarray(render.to_image(fig), dtype=np.float64)


def emblem_rgba(root):
    shared = loader._import("shared", Path(root) / "data" / "shared.py")
    picture = next(p for p in shared.PICTURES if p.name == EMBLEM)
    # Drawn on black and on white: where the two differ the paper shows
    # through, which gives each pixel's coverage (its alpha) exactly,
    # anti-aliased edges included.
    black, white = _draw(picture, "black"), _draw(picture, "white")
    alpha = 1.0 - (white - black).mean(axis=2) / 255.0
    colour = np.where(alpha[..., None] > 0, black / np.maximum(alpha[..., None], 1e-6), 0)
    rgba = np.dstack([np.clip(colour, 0, 255), alpha * 255.0])
    img = Image.fromarray(np.round(rgba).astype(np.uint8), "RGBA")
    return img.crop(img.getbbox())


def square(img, size):
    """The emblem centred in a transparent size x size square, a pixel of
    margin left at the small sizes."""
    margin = 1 if size < 48 else size // 32
    box = size - 2 * margin
    w, h = img.size
    f = min(box / w, box / h)
    small = img.resize((max(1, round(w * f)), max(1, round(h * f))), Image.LANCZOS)
    out = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    out.paste(small, ((size - small.width) // 2, (size - small.height) // 2))
    return out


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", required=True, help="folder of the NxN/apps/ icons")
    ap.add_argument("--root", default=str(loader.repo_root()), help="repository root")
    args = ap.parse_args(argv)
    img = emblem_rgba(args.root)
    for size in SIZES:
        path = Path(args.out) / ("%dx%d" % (size, size)) / "apps" / "vzt-trainer.png"
        path.parent.mkdir(parents=True, exist_ok=True)
        buf = io.BytesIO()
        square(img, size).save(buf, format="PNG", optimize=True)
        if not path.exists() or path.read_bytes() != buf.getvalue():
            path.write_bytes(buf.getvalue())
    return 0


if __name__ == "__main__":
    sys.exit(main())
