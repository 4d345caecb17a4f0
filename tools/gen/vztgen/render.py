"""Canvas, trimming and the BMP writer shared by all picture kinds."""
import contextlib
import io
import struct

import numpy as np
from matplotlib.backends.backend_agg import FigureCanvasAgg
from matplotlib.colors import to_rgb
from matplotlib import rcParams
from matplotlib.axes._base import _process_plot_format
from matplotlib.figure import Figure
from matplotlib.lines import Line2D
from matplotlib.patches import Polygon
from matplotlib.text import Text
from matplotlib.transforms import Affine2D, IdentityTransform
from PIL import Image

from . import style


class _Scale:
    """The scale a picture is being drawn at: 1 for the BMP the program is
    specified to load, 2 for its twin for high-DPI screens. At 2 the same
    drawing is replayed with every box pixel twice as many device pixels
    (text and line widths, given in points, follow the resolution), and it
    is cut to exactly twice the region that the 1x rendering kept."""
    k = 1
    trim_box = None   # (left, top, right, bottom) the 1x rendering kept


SCALE = _Scale()


@contextlib.contextmanager
def at_scale(k, trim_box):
    old = (SCALE.k, SCALE.trim_box)
    SCALE.k, SCALE.trim_box = k, trim_box
    try:
        yield
    finally:
        SCALE.k, SCALE.trim_box = old


def rgb255(colour):
    return tuple(int(round(c * 255)) for c in to_rgb(colour))


class PixelAxes:
    """What drawing functions get as `ax`: the common Axes calls (plot, text,
    add_patch, add_line, add_artist, fill), drawn straight onto the figure in
    pixel coordinates, origin bottom-left. Building a full Axes for every
    picture costs more than drawing it; any other Axes method is served by a
    real Axes with the same coordinates, made on first use."""

    def __init__(self, fig, width, height):
        self.figure = fig
        self.width, self.height = width, height
        self.transData = IdentityTransform() if SCALE.k == 1 else Affine2D().scale(SCALE.k)
        self.lines = []
        self.texts = []
        self.patches = []
        self._axes = None

    def _own(self, artist, zorder=None):
        artist.set_transform(self.transData)
        if zorder is not None:
            artist.set_zorder(zorder)
        self.figure.add_artist(artist)
        artist.set_transform(self.transData)
        return artist

    def plot(self, x, y, fmt=None, **kw):
        if fmt:
            ls, marker, colour = _process_plot_format(fmt)
            kw.setdefault("ls", ls if ls != "None" or marker == "None" else "")
            if marker != "None":
                kw.setdefault("marker", marker)
            if colour is not None:
                kw.setdefault("color", colour)
        kw.setdefault("zorder", 2)
        kw.setdefault("solid_capstyle", rcParams["lines.solid_capstyle"])
        line = Line2D(np.asarray(x, dtype=float), np.asarray(y, dtype=float), **kw)
        self._own(line)
        self.lines.append(line)
        return [line]

    def add_line(self, line):
        self._own(line)
        self.lines.append(line)
        return line

    def text(self, x, y, s, **kw):
        kw.setdefault("zorder", 3)
        t = Text(x, y, s, **kw)
        t.set_figure(self.figure)
        self._own(t)
        self.texts.append(t)
        return t

    def add_patch(self, patch):
        self._own(patch)
        self.patches.append(patch)
        return patch

    def add_artist(self, artist):
        return self._own(artist)

    def fill(self, x, y, color=None, **kw):
        kw.setdefault("facecolor", color if color is not None else "C0")
        kw.setdefault("edgecolor", "none")
        return [self.add_patch(Polygon(np.column_stack([x, y]), closed=True, **kw))]

    # the calls of a plain pixel canvas that need no work
    def set_xlim(self, *a, **k):
        pass

    def set_ylim(self, *a, **k):
        pass

    def set_axis_off(self):
        pass

    def set_facecolor(self, c):
        pass

    def set_aspect(self, *a, **k):
        pass

    def __getattr__(self, name):
        if name.startswith("__"):
            raise AttributeError(name)
        if self._axes is None:
            ax = self.figure.add_axes((0, 0, 1, 1))
            ax.set_xlim(0, self.width)
            ax.set_ylim(0, self.height)
            ax.set_axis_off()
            ax.patch.set_visible(False)
            self._axes = ax
        return getattr(self._axes, name)


def canvas(width, height, paper):
    """A figure of width x height pixels and its PixelAxes: data coordinates
    are pixels, origin bottom-left, y upwards."""
    # (a hair over the size: the canvas rounds its pixels down, and 0.58 inch
    # at 100 dpi would give 57)
    fig = Figure(figsize=((width + 1e-3) / style.DPI, (height + 1e-3) / style.DPI),
                 dpi=style.DPI * SCALE.k, facecolor=paper)
    FigureCanvasAgg(fig)
    return fig, PixelAxes(fig, width, height)


def to_image(fig):
    fig.canvas.draw()
    rgba = np.asarray(fig.canvas.buffer_rgba())
    return Image.fromarray(np.ascontiguousarray(rgba[:, :, :3]), "RGB")


def ink_bbox(img, paper):
    """(left, top, right, bottom) of everything that is not paper, or None."""
    a = np.asarray(img).astype(np.int16)
    p = np.array(rgb255(paper), dtype=np.int16)
    mask = np.abs(a - p).max(axis=2) > 6
    if not mask.any():
        return None
    rows = np.flatnonzero(mask.any(axis=1))
    cols = np.flatnonzero(mask.any(axis=0))
    return int(cols[0]), int(rows[0]), int(cols[-1]) + 1, int(rows[-1]) + 1


def trim(img, paper, margin=style.MARGIN):
    """The drawing cut to its ink with a margin. The region kept is noted in
    the image's info["trim"]; at scale 2 exactly twice that region is kept."""
    k = SCALE.k
    if k == 1:
        box = ink_bbox(img, paper)
        if box is None:
            raise ValueError("the picture is empty")
    else:
        if SCALE.trim_box is None:
            raise ValueError("a 2x rendering needs the region its 1x rendering kept")
        box = tuple(k * v for v in SCALE.trim_box)
    l, t, r, b = box
    m = k * margin
    out = Image.new("RGB", (r - l + 2 * m, b - t + 2 * m), rgb255(paper))
    out.paste(img.crop((l, t, r, b)), (m, m))
    if k == 1:
        out.info["trim"] = box
    return out


def quantize(img, paper, exact=()):
    """16-colour palette image. The paper and the given pure colours keep
    their exact values, so a sign on the window grey blends with it."""
    img = img.convert("RGB")
    a = np.asarray(img)
    flat = a.reshape(-1, 3).astype(np.int64)
    keys = (flat[:, 0] << 16) | (flat[:, 1] << 8) | flat[:, 2]
    uniq, inverse, counts = np.unique(keys, return_inverse=True, return_counts=True)
    if len(uniq) <= style.COLOURS:
        # Already few colours: an exact palette, most frequent first.
        order = sorted(range(len(uniq)), key=lambda i: (-int(counts[i]), int(uniq[i])))
        rank = np.empty(len(uniq), dtype=np.uint8)
        for r, i in enumerate(order):
            rank[i] = r
        palette = [(int(uniq[i]) >> 16, (int(uniq[i]) >> 8) & 255, int(uniq[i]) & 255)
                   for i in order]
        return rank[inverse].reshape(a.shape[:2]), palette
    q = img.quantize(colors=style.COLOURS, method=Image.Quantize.MEDIANCUT,
                     dither=Image.Dither.NONE)
    pal = q.getpalette()[: 3 * style.COLOURS]
    palette = [tuple(pal[i:i + 3]) for i in range(0, len(pal), 3)]
    while len(palette) < style.COLOURS:
        palette.append((0, 0, 0))
    # Snap the entries nearest to the paper and to the pure colours.
    for c in [rgb255(paper)] + [rgb255(e) for e in exact]:
        d = [sum((a - b) ** 2 for a, b in zip(p, c)) for p in palette]
        i = min(range(len(palette)), key=lambda k: d[k])
        if d[i] <= 3 * 40 ** 2:
            palette[i] = c
    return np.asarray(q, dtype=np.uint8), palette


def bmp_bytes(indices, palette):
    """An uncompressed 8-bit palette BMP (BITMAPINFOHEADER, bottom-up rows)."""
    h, w = indices.shape
    stride = (w + 3) & ~3
    rows = np.zeros((h, stride), dtype=np.uint8)
    rows[:, :w] = indices
    pixels = rows[::-1].tobytes()
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels), 3780, 3780,
                       len(palette), len(palette))
    return header + info + pal + pixels


def encode(img, paper, exact=()):
    idx, palette = quantize(img, paper, exact)
    return bmp_bytes(idx, palette)


def difference(one, two):
    """How far the 2x rendering, averaged down to the 1x size, is from the
    1x rendering: the mean absolute difference of the colour values (0 for
    the same picture; a shifted or different drawing gives tens)."""
    a = np.asarray(one.convert("RGB"), dtype=np.float64)
    b = np.asarray(two.convert("RGB"), dtype=np.float64)
    h, w = a.shape[:2]
    b = b[:2 * h, :2 * w].reshape(h, 2, w, 2, 3).mean(axis=(1, 3))
    return float(np.abs(a - b).mean())


def encode_png(img, paper, exact=()):
    """The 2x twin: the same 16-colour palette treatment, as a PNG (no
    timestamp or other varying chunk: the same picture gives the same bytes)."""
    idx, palette = quantize(img, paper, exact)
    out = Image.fromarray(idx, "P")
    out.putpalette([c for rgb in palette for c in rgb])
    buf = io.BytesIO()
    out.save(buf, format="PNG", optimize=True)
    return buf.getvalue()


def read_bmp(path_or_bytes):
    """The picture as an RGB image (for checks and tests)."""
    if isinstance(path_or_bytes, (bytes, bytearray)):
        return Image.open(io.BytesIO(path_or_bytes)).convert("RGB")
    with Image.open(path_or_bytes) as im:
        return im.convert("RGB")
