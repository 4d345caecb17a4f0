"""Picture descriptions: each knows its mathematics (for the checks) and
renders itself in the house style (for the program)."""
import math
import re

import numpy as np
from matplotlib import patheffects
from matplotlib.patches import Arc, Circle, FancyArrowPatch, Polygon, Rectangle

from . import layout, render, style
from .render import canvas, ink_bbox, to_image, trim

_origin = {"module": None}   # the content module being loaded (set by the loader)


class PictureError(ValueError):
    pass


def bare(name):
    """'SpS\\N1.bmp' or 'SpS/N1.bmp' or 'N1.bmp' -> 'N1.bmp'."""
    return re.split(r"[\\/]", str(name))[-1]


def point_tex(name):
    """How a point's name is printed: A, A_1, A' (as mathtext)."""
    n = str(name).replace("\u2019", "'").replace("`", "'")
    m = re.fullmatch(r"([A-Za-z])(\d*)('*)", n)
    if m:
        letter, digits, primes = m.groups()
        sub = "_{%s}" % digits if digits else ""
        return "$%s%s%s$" % (letter, sub, r"\prime" * len(primes))
    if re.fullmatch(r"[\x20-\x7e]+", n):
        return as_tex(n)
    return n


def _primes(tex):
    """ASCII primes as upright prime signs (the superscript prime of mathtext
    stands off from its letter); f' keeps a thin space."""
    tex = re.sub(r"f'", r"f\\,\\prime", tex)
    return tex.replace("'", r"\prime")


def as_tex(text):
    """Text that is already mathtext (has $) stays; ASCII maths is wrapped;
    anything else (Cyrillic words) is plain text."""
    s = str(text)
    if "$" in s:
        return s
    if re.fullmatch(r"[\x20-\x7e]*", s) and s.strip():
        return "$%s$" % _primes(s)
    return s


class Mapper:
    """Data coordinates -> canvas pixels (origin bottom-left)."""

    def __init__(self, x0, y0, sx, sy, ox, oy):
        self.x0, self.y0, self.sx, self.sy, self.ox, self.oy = x0, y0, sx, sy, ox, oy

    @property
    def s(self):
        return self.sx

    def x(self, x):
        return self.ox + self.sx * (x - self.x0)

    def y(self, y):
        return self.oy + self.sy * (y - self.y0)

    def xy(self, p):
        return self.x(p[0]), self.y(p[1])


def _fits(size, box):
    return size[0] <= box[0] and size[1] <= box[1]


class Picture:
    kind = "picture"
    paper = style.PAPER

    def __init__(self, name, box, meaning=None, proportional=False, paper=None, min_scale=None):
        self.name = bare(name)
        if not re.fullmatch(r"[A-Za-z0-9_\-]+\.bmp", self.name):
            raise PictureError("%r: a picture is a bare file name ending in .bmp" % (name,))
        self.box = (int(box[0]), int(box[1]))
        self.meaning = meaning
        self.proportional = bool(proportional)
        if paper is not None:
            self.paper = paper
        self.min_scale = min_scale
        self.module = _origin["module"]
        self.scale = 1.0          # the factor a proportional box applies
        self.text_px = style.pt_to_px(style.GRAPH_PT)
        self.size = None          # pixels of the written picture
        self.exact = (style.INK,)

    def __repr__(self):
        return "%s(%r)" % (type(self).__name__, self.name)

    # ---- rendering
    def image(self):
        raise NotImplementedError

    def _replay(self):
        """Draws the final rendering of image() again (at the scale set by
        render.at_scale)."""
        raise NotImplementedError

    def png2x(self):
        """The twin for high-DPI screens, as PNG bytes: the same drawing as
        the BMP of bmp() (which must come first), at twice its size."""
        one = self._last
        with render.at_scale(2, one.info.get("trim")):
            two = self._replay()
        if two.size != (2 * one.width, 2 * one.height):
            raise PictureError("%s: the 2x rendering is %dx%d, not twice %dx%d"
                               % (self.name, two.width, two.height, one.width, one.height))
        self.twin_difference = render.difference(one, two)
        return render.encode_png(two, self.paper, self.exact)

    def bmp(self):
        """The picture as BMP bytes; raises PictureError when it does not fit."""
        img = self.image()
        self._last = img
        self.size = img.size
        if not _fits(img.size, self.box):
            if not self.proportional:
                raise PictureError("%s: %dx%d does not fit its box %dx%d"
                                   % (self.name, img.size[0], img.size[1], *self.box))
            f = min(self.box[0] / img.size[0], self.box[1] / img.size[1])
            least = self.min_scale if self.min_scale else style.MIN_TEXT_PX / self.text_px
            if f < least:
                raise PictureError("%s: %dx%d needs scale %.2f in its box %dx%d; text would be "
                                   "%.1f px" % (self.name, img.size[0], img.size[1], f, *self.box,
                                                self.text_px * f))
            self.scale = f
        return render.encode(img, self.paper, self.exact)


# --------------------------------------------------------------------------- formula
class Formula(Picture):
    """A formula in mathtext (fontset stix). `tex` is the mathtext without
    dollars (wrapped for you), or a list of such lines, or text that already
    carries its own $...$ pieces."""
    kind = "formula"
    paper = style.WINDOW

    def __init__(self, name, tex, box, meaning=None, color=style.INK, size=style.FORMULA_PT,
                 min_size=style.FORMULA_MIN_PT, proportional=False, paper=None, linespacing=1.3,
                 min_scale=None):
        super().__init__(name, box, meaning, proportional, paper, min_scale)
        self.tex = tex
        self.color = color
        self.fontsize = float(size)
        self.min_size = float(min(min_size, size))
        self.linespacing = linespacing
        self.used_size = None
        self.exact = (color,)

    def _text(self):
        lines = self.tex if isinstance(self.tex, (list, tuple)) else [self.tex]
        return "\n".join(l if "$" in l else "$%s$" % l for l in lines)

    def _draw_text(self, size, w, h):
        fig, ax = canvas(w, h, self.paper)
        ax.text(30, h / 2, self._text(), fontsize=size, color=self.color, ha="left",
                va="center", linespacing=self.linespacing, multialignment="left")
        return to_image(fig)

    def _render(self, size):
        text = self._text()
        n = text.count("\n") + 1
        w = int(max(300, len(text) * style.pt_to_px(size) * 0.9 + 100))
        h = int(n * style.pt_to_px(size) * 4 + 100)
        for _ in range(4):
            img = self._draw_text(size, w, h)
            bb = ink_bbox(img, self.paper)
            if bb is None:
                raise PictureError("%s: the formula draws nothing" % self.name)
            if bb[0] > 2 and bb[1] > 2 and bb[2] < w - 2 and bb[3] < h - 2:
                self._final = (size, w, h, self.tex)
                return trim(img, self.paper)
            w, h = w * 2, h * 2
        raise PictureError("%s: the formula is too large" % self.name)

    def _replay(self):
        size, w, h, tex = self._final
        kept, self.tex = self.tex, tex
        try:
            return trim(self._draw_text(size, w, h), self.paper)
        finally:
            self.tex = kept

    def _fitted(self):
        """The rendering at the largest size up to the house size that fits."""
        size = self.fontsize
        img = self._render(size)
        if not _fits(img.size, self.box):
            # text scales with its size: guess, then step down by half points
            r = min(self.box[0] / img.size[0], self.box[1] / img.size[1])
            size = max(self.min_size, math.floor(size * r * 2) / 2)
            img = self._render(size)
            while not _fits(img.size, self.box) and size > self.min_size:
                size = max(self.min_size, size - 0.5)
                img = self._render(size)
        return size, img

    def image(self):
        size, img = self._fitted()
        # A union of intervals too long for its box at the house size breaks
        # after its "∪", the sign repeated on the next line (as a long
        # expression is carried over by hand), where that lets it stay larger.
        tex = self.tex
        if size < self.fontsize - 1.5 and isinstance(tex, str) and tex.count(r"\cup") == 1:
            left, right = tex.split(r"\cup")
            self.tex = [left + r"\cup", r"\cup" + right]
            chosen = self._final
            broken = self._fitted()
            if broken[0] > size + 1 and _fits(broken[1].size, self.box):
                size, img = broken
            else:
                self.tex = tex
                self._final = chosen
        self.used_size = size
        self.text_px = style.pt_to_px(size)
        return img


# --------------------------------------------------------------------------- helpers
def _arrow(ax, a, b, color, lw):
    ax.add_patch(FancyArrowPatch(a, b, arrowstyle="-|>,head_length=6,head_width=2.6",
                                 mutation_scale=1, lw=lw, color=color, shrinkA=0, shrinkB=0, joinstyle="miter"))


def _dot(ax, p, color, open_=False, d=style.DOT_PX, zorder=6):
    ax.add_patch(Circle(p, d / 2, facecolor=style.PAPER if open_ else color, edgecolor=color,
                        lw=style.LINE_PT * 0.9, zorder=zorder))


def _text_size(ax, text, size):
    """Width and height of a text as drawn, in box pixels (the drawing's
    data units, whatever the scale it is drawn at)."""
    t = ax.text(0, 0, text, fontsize=size)
    r = ax.figure.canvas.get_renderer()
    (x0, y0), (x1, y1) = ax.transData.inverted().transform(t.get_window_extent(renderer=r)
                                                           .get_points())
    t.remove()
    return x1 - x0, y1 - y0


def _halo(paper):
    """A rim of the paper's colour around a label: a line that runs close
    by never touches its glyphs."""
    return [patheffects.withStroke(linewidth=3, foreground=paper)]


def _put_label(ax, text, p, size, color, obstacles, outward, where=None, gap=3.0, bounds=None,
               region=None, path_effects=None):
    w, h = _text_size(ax, text, size)
    hw, hh = w / 2 + 1, h / 2
    c = layout.place(p, hw, hh, obstacles, outward, gap=gap, where=where, bounds=bounds,
                     region=region)
    ax.text(c[0], c[1], text, fontsize=size, color=color, ha="center", va="center", zorder=8,
            path_effects=path_effects)
    obstacles.rect(c[0], c[1], hw, hh)
    return c


def _sample(f, a, b, n):
    xs = np.linspace(a, b, n)
    ys = None
    try:
        with np.errstate(all="ignore"):
            r = f(xs)
        r = np.asarray(r, dtype=float)
        if r.shape == xs.shape:
            ys = r
    except Exception:
        ys = None
    if ys is None:
        ys = np.empty(n)
        for i, x in enumerate(xs):
            try:
                v = f(float(x))
                ys[i] = float(v) if not isinstance(v, complex) else math.nan
            except (ValueError, ZeroDivisionError, OverflowError, TypeError):
                ys[i] = math.nan
    ys = np.where(np.isfinite(ys), ys, np.nan)
    return xs, ys


def _fit_loop(render_at, box, s0, extent):
    """Finds the largest scale whose rendering fits the box. render_at(s)
    returns a trimmed image; extent = (dx, dy) of the geometry in data units."""
    s = s0
    best = None
    dx, dy = extent
    for _ in range(6):
        img = render_at(s)
        w, h = img.size
        if _fits(img.size, box):
            if best is None or s > best[0]:
                best = (s, img)
        # text and margins do not scale; the geometry does.
        cand = []
        if dx > 0:
            cand.append((box[0] - (w - s * dx)) / dx)
        if dy > 0:
            cand.append((box[1] - (h - s * dy)) / dy)
        s_new = min(cand) * 0.995 if cand else s
        if s_new <= 0:
            break
        if best is not None and abs(s_new - best[0]) < 0.005 * best[0]:
            break
        s = s_new
    if best is None:
        raise PictureError("cannot fit the drawing in its box %dx%d" % box)
    return best


# --------------------------------------------------------------------------- graph
class Graph(Picture):
    """A graph: axes with arrows, O, x, y, unit ticks, curves, marked points.

    curves: callables f(x) or dicts {"f": f, "domain": (a, b), "dashed": bool,
            "color": c, "ends": ("closed"|"open"|None, same)}.
    window: (xmin, xmax, ymin, ymax) in graph units.
    points: (x, y) or (x, y, label) or {"at": (x, y), "label": "A", "open": bool,
            "where": "ne"|angle, "guides": bool (dashed lines to the axes)}.
    xticks/yticks: None (unit marks, "1" labelled), "all", [values] or
            [(value, tex)]; unit marks are drawn at every integer unless an
            axis labels a value that is not an integer (marks=True/False
            forces them on or off).
    """
    kind = "graph"

    def __init__(self, name, curves=(), window=(-5, 5, -5, 5), box=(200, 200), points=(),
                 meaning=None, grid=False, xticks=None, yticks=None, marks="auto", equal=True,
                 axes=True, letters=("x", "y"), origin="O", texts=(), extra=None,
                 color=style.INK, proportional=False, paper=None, size=None, min_scale=None):
        super().__init__(name, box, meaning, proportional, paper, min_scale)
        self.curves = [c if isinstance(c, dict) else {"f": c} for c in curves]
        self.window = tuple(float(v) for v in window)
        self.points = [self._point(p) for p in points]
        self.grid, self.xticks, self.yticks, self.marks = grid, xticks, yticks, marks
        self.equal, self.axes, self.letters, self.origin = equal, axes, letters, origin
        self.texts = list(texts)
        self.extra = extra
        self.color = color
        self.fontsize = size or (style.GRAPH_PT if min(self.box) >= 180 else style.GRAPH_SMALL_PT)
        self.text_px = style.pt_to_px(self.fontsize)
        self.exact = (color, style.SOFT)
        x0, x1, y0, y1 = self.window
        if not (x0 < x1 and y0 < y1):
            raise PictureError("%s: the window must be (xmin, xmax, ymin, ymax)" % self.name)

    @staticmethod
    def _point(p):
        if isinstance(p, dict):
            d = dict(p)
            d.setdefault("label", "")
            return d
        if len(p) == 2:
            return {"at": (p[0], p[1]), "label": ""}
        return {"at": (p[0], p[1]), "label": p[2]}

    @property
    def f(self):
        """The first curve's function."""
        return self.curves[0]["f"]

    def functions(self):
        return [c["f"] for c in self.curves]

    def _ticks(self, given, lo, hi):
        ints = [k for k in range(math.ceil(lo), math.floor(hi) + 1) if k != 0]
        if given is None:
            return [(1, "1")] if 1 in ints else []
        if given == "all":
            return [(k, "%d" % k) for k in ints]
        out = []
        for t in given:
            if isinstance(t, (tuple, list)):
                out.append((float(t[0]), t[1]))
            else:
                out.append((float(t), ("%g" % t).replace(".", "{,}")))
        return out

    def _draw(self, s_xy):
        sx, sy = s_xy
        x0, x1, y0, y1 = self.window
        E = 70
        W = int(sx * (x1 - x0)) + 2 * E
        H = int(sy * (y1 - y0)) + 2 * E
        fig, ax = canvas(W, H, self.paper)
        m = Mapper(x0, y0, sx, sy, E, E)
        ink, size = self.color, self.fontsize
        lw = style.LINE_PT
        obst = layout.Obstacles()       # everything drawn: for point labels
        lines = layout.Obstacles()      # the curves and the axes: for tick labels
        px = self.text_px
        ext = 0.55 * px                     # the axes run this far past the window
        xs0, xs1, ys0, ys1 = m.x(x0), m.x(x1), m.y(y0), m.y(y1)
        halo = _halo(self.paper)
        self.crossings = []             # labels a curve still runs under (behind a halo)

        if self.grid:
            step = 1 if self.grid is True else float(self.grid)
            for k in np.arange(math.ceil(x0 / step) * step, x1 + 1e-9, step):
                ax.plot([m.x(k)] * 2, [ys0, ys1], color=style.SOFT, lw=style.THIN_PT, zorder=1)
            for k in np.arange(math.ceil(y0 / step) * step, y1 + 1e-9, step):
                ax.plot([xs0, xs1], [m.y(k)] * 2, color=style.SOFT, lw=style.THIN_PT, zorder=1)

        # The curves first: every label is then placed clear of them.
        clip = Rectangle((xs0, ys0), xs1 - xs0, ys1 - ys0, transform=ax.transData)
        span = y1 - y0
        for c in self.curves:
            a, b = c.get("domain", (x0, x1))
            a, b = max(a, x0), min(b, x1)
            if a >= b:
                continue
            xs, ys = _sample(c["f"], a, b, int(c.get("samples", 900)))
            jump = np.abs(np.diff(ys)) > span
            ys = ys.copy()
            ys[1:][jump] = np.nan
            ys = np.clip(ys, y0 - 2 * span, y1 + 2 * span)
            X, Y = m.x(xs), m.y(ys)
            line, = ax.plot(X, Y, color=c.get("color", ink), lw=c.get("lw", style.CURVE_PT),
                            ls=(0, (5, 3)) if c.get("dashed") else "-", zorder=4)
            line.set_clip_path(clip)
            inside = (ys >= y0) & (ys <= y1)
            trace = np.column_stack([np.where(inside, X, np.nan), np.where(inside, Y, np.nan)])
            obst.polyline(trace)
            lines.polyline(trace)
            ends = c.get("ends")
            if ends:
                for kind, xe in zip(ends, (a, b)):
                    if kind:
                        ye = float(c["f"](xe)) if kind == "closed" else float(
                            c.get("limit", {}).get(xe, c["f"](xe)))
                        _dot(ax, m.xy((xe, ye)), c.get("color", ink), open_=(kind == "open"))
                        obst.point(m.xy((xe, ye)), style.DOT_PX / 2)
                        lines.point(m.xy((xe, ye)), style.DOT_PX / 2)

        def label(text, candidates, name):
            """Draws a label at the first of the candidate centres (x, y, ha,
            va) that no curve touches, else at the clearest one."""
            w, h = _text_size(ax, as_tex(text), size)
            best = None
            for k, (cx_, cy_) in enumerate(candidates):
                clear = lines.clearance(cx_, cy_, w / 2, h / 2)
                if clear >= 1.5:
                    best = (cx_, cy_, clear)
                    break
                if best is None or clear > best[2]:
                    best = (cx_, cy_, clear)
            ax.text(best[0], best[1], as_tex(text), fontsize=size, color=ink, ha="center",
                    va="center", zorder=8, path_effects=halo)
            obst.rect(best[0], best[1], w / 2, h / 2)
            if best[2] < 1.0:
                self.crossings.append(name)

        ox, oy = m.x(0), m.y(0)
        has_x = y0 <= 0 <= y1
        has_y = x0 <= 0 <= x1
        if self.axes:
            tick = 3.0
            if has_x:
                _arrow(ax, (xs0, oy), (xs1 + ext, oy), ink, lw)
                obst.segment((xs0, oy), (xs1 + ext, oy))
            if has_y:
                _arrow(ax, (ox, ys0), (ox, ys1 + ext), ink, lw)
                obst.segment((ox, ys0), (ox, ys1 + ext))
            xt = self._ticks(self.xticks, x0, x1)
            yt = self._ticks(self.yticks, y0, y1)
            marks_x = self.marks if self.marks != "auto" else all(float(v).is_integer() for v, _ in xt)
            marks_y = self.marks if self.marks != "auto" else all(float(v).is_integer() for v, _ in yt)
            if marks_x and has_x:
                for k in range(math.ceil(x0), math.floor(x1) + 1):
                    if k:
                        ax.plot([m.x(k)] * 2, [oy - tick, oy + tick], color=ink, lw=style.THIN_PT * 1.4)
            if marks_y and has_y:
                for k in range(math.ceil(y0), math.floor(y1) + 1):
                    if k:
                        ax.plot([ox - tick, ox + tick], [m.y(k)] * 2, color=ink, lw=style.THIN_PT * 1.4)
            # "O" stands in the same place in every graph: below and left of
            # the origin.
            if has_x and has_y and self.origin:
                w, h = _text_size(ax, as_tex(self.origin), size)
                label(self.origin, [(ox - w / 2 - 3, oy - h / 2 - 3)], "O")
            if has_x:
                for v, txt in xt:
                    ax.plot([m.x(v)] * 2, [oy - tick, oy + tick], color=ink, lw=style.THIN_PT * 1.4)
                    w, h = _text_size(ax, as_tex(txt), size)
                    # under the tick, else over it, else a little aside
                    below = oy - tick - 2 - h / 2
                    above = oy + tick + 2 + h / 2
                    label(txt, [(m.x(v) + dx, y_) for dx in (0, 0.6 * w, -0.6 * w)
                                for y_ in (below, above)], "x tick " + txt)
            if has_y:
                for v, txt in yt:
                    ax.plot([ox - tick, ox + tick], [m.y(v)] * 2, color=ink, lw=style.THIN_PT * 1.4)
                    w, h = _text_size(ax, as_tex(txt), size)
                    # left of the tick, else right of it, else a little lower
                    # or higher
                    left = ox - tick - 3 - w / 2
                    right = ox + tick + 3 + w / 2
                    label(txt, [(x_, m.y(v) + dy) for dy in (0, -0.6 * h, 0.6 * h)
                                for x_ in (left, right)], "y tick " + txt)
            if has_x and self.letters and self.letters[0]:
                w, h = _text_size(ax, as_tex(self.letters[0]), size)
                label(self.letters[0], [(xs1 + ext - w / 2, oy - 4 - h / 2),
                                        (xs1 + ext - w / 2, oy + 4 + h / 2)], "x")
            if has_y and self.letters and self.letters[1]:
                w, h = _text_size(ax, as_tex(self.letters[1]), size)
                label(self.letters[1], [(ox - 5 - w / 2, ys1 + ext - h / 2),
                                        (ox + 5 + w / 2, ys1 + ext - h / 2)], "y")
            if has_x:
                lines.segment((xs0, oy), (xs1 + ext, oy))
            if has_y:
                lines.segment((ox, ys0), (ox, ys1 + ext))

        cx = (xs0 + xs1) / 2
        cy = (ys0 + ys1) / 2
        for p in self.points:
            P = m.xy(p["at"])
            if p.get("guides"):
                if has_x:
                    ax.plot([P[0]] * 2, [oy, P[1]], color=ink, lw=style.THIN_PT, ls=(0, (3, 2)), zorder=3)
                    obst.segment((P[0], oy), P)
                if has_y:
                    ax.plot([ox, P[0]], [P[1]] * 2, color=ink, lw=style.THIN_PT, ls=(0, (3, 2)), zorder=3)
                    obst.segment((ox, P[1]), P)
            _dot(ax, P, p.get("color", ink), open_=p.get("open", False))
            obst.point(P, style.DOT_PX / 2)
        for p in self.points:
            if p.get("label"):
                P = m.xy(p["at"])
                out = (P[0] - cx, P[1] - cy)
                n = math.hypot(*out) or 1.0
                _put_label(ax, as_tex(p["label"]), P, size, p.get("color", ink), obst,
                           (out[0] / n, out[1] / n), where=p.get("where"), gap=4.0,
                           path_effects=halo)
        for t in self.texts:
            x, y, txt = t[:3]
            kw = dict(fontsize=size, color=ink, ha="center", va="center", zorder=8,
                      path_effects=halo)
            if len(t) > 3:
                kw.update(t[3])
            ax.text(m.x(x), m.y(y), as_tex(txt), **kw)
        if self.extra:
            self.extra(ax, m)
        return trim(to_image(fig), self.paper)

    def image(self):
        x0, x1, y0, y1 = self.window
        bw, bh = self.box
        pad = 2.2 * self.text_px
        sx = (bw - 2 * style.MARGIN - pad) / (x1 - x0)
        sy = (bh - 2 * style.MARGIN - pad) / (y1 - y0)
        if self.equal:
            s = min(sx, sy)
            best, img = _fit_loop(lambda k: self._draw((k, k)), self.box, s, (x1 - x0, y1 - y0))
            self._final = (best, best)
            return img
        # independent scales: fit x first, then y
        ratio = sy / sx
        best, img = _fit_loop(lambda k: self._draw((k, k * ratio)), self.box, sx,
                           (x1 - x0, (y1 - y0) * ratio))
        self._final = (best, best * ratio)
        return img


    def _replay(self):
        return self._draw(self._final)


# --------------------------------------------------------------------------- figure
class Figure(Picture):
    """A figure by its points (name -> (x, y)), segments and hidden (dashed)
    segments, with labels placed outside the figure.

    segments/hidden: pairs of point names (or (x, y) pairs).
    labels: {name: text or None}; by default every point shows its name
            (names starting with "_" are helper points and show nothing).
    where: {name: "ne"|angle} to place a label by hand.
    dots: names drawn as dots (default: points on no segment).
    right_angles: (A, V, B): a square mark at V.
    angles: (A, V, B) or (A, V, B, arcs, text): arc marks at V.
    circles: (centre, r) or {"c": centre, "r": r, "dashed": bool}.
    arcs: {"c": centre, "r": r, "from": deg, "to": deg, "dashed": bool}.
    ellipses: {"c": centre, "rx": a, "ry": b, "hidden": "top"|"bottom"|None}.
    ticks: (A, B, n): n equal-length marks across segment AB.
    fills: ([names], colour) polygons filled under the lines.
    texts: (x, y, text) in figure units.
    extra: f(ax, mapper) to draw anything else.
    """
    kind = "figure"

    def __init__(self, name, points, segments=(), hidden=(), box=(200, 200), meaning=None,
                 labels=None, where=None, dots=None, right_angles=(), angles=(), circles=(),
                 arcs=(), ellipses=(), ticks=(), fills=(), texts=(), extra=None,
                 color=style.INK, proportional=False, paper=None, size=None, min_scale=None,
                 px_per_unit=None):
        super().__init__(name, box, meaning, proportional, paper, min_scale)
        self.px_per_unit = px_per_unit
        self.points = {k: (float(v[0]), float(v[1])) for k, v in points.items()}
        self.segments = [tuple(s) for s in segments]
        self.hidden = [tuple(s) for s in hidden]
        self.labels = dict(labels or {})
        self.where = dict(where or {})
        self.dots = dots
        self.right_angles = list(right_angles)
        self.angles = list(angles)
        self.circles = [c if isinstance(c, dict) else {"c": c[0], "r": c[1]} for c in circles]
        self.arcs = list(arcs)
        self.ellipses = list(ellipses)
        self.ticks = list(ticks)
        self.fills = list(fills)
        self.texts = list(texts)
        self.extra = extra
        self.color = color
        self.fontsize = size or style.LABEL_PT
        self.text_px = style.pt_to_px(self.fontsize)
        self.exact = (color,)
        for s in self.segments + self.hidden:
            for p in s:
                self.xy(p)

    # ---- geometry for checks
    def xy(self, p):
        if isinstance(p, str):
            if p not in self.points:
                raise PictureError("%s: unknown point %r" % (self.name, p))
            return self.points[p]
        return (float(p[0]), float(p[1]))

    def dist(self, a, b):
        (x1, y1), (x2, y2) = self.xy(a), self.xy(b)
        return math.hypot(x2 - x1, y2 - y1)

    def angle(self, a, v, b):
        """Angle AVB in degrees."""
        A, V, B = self.xy(a), self.xy(v), self.xy(b)
        u = (A[0] - V[0], A[1] - V[1])
        w = (B[0] - V[0], B[1] - V[1])
        c = (u[0] * w[0] + u[1] * w[1]) / (math.hypot(*u) * math.hypot(*w))
        return math.degrees(math.acos(max(-1.0, min(1.0, c))))

    def _extent(self):
        xs = [p[0] for p in self.points.values()]
        ys = [p[1] for p in self.points.values()]
        for c in self.circles + list(self.arcs):
            X, Y = self.xy(c["c"])
            xs += [X - c["r"], X + c["r"]]
            ys += [Y - c["r"], Y + c["r"]]
        for e in self.ellipses:
            X, Y = self.xy(e["c"])
            xs += [X - e["rx"], X + e["rx"]]
            ys += [Y - e["ry"], Y + e["ry"]]
        return min(xs), max(xs), min(ys), max(ys)

    def _draw(self, s):
        x0, x1, y0, y1 = self._extent()
        E = 80
        W = int(s * (x1 - x0)) + 2 * E
        H = int(s * (y1 - y0)) + 2 * E
        fig, ax = canvas(W, H, self.paper)
        m = Mapper(x0, y0, s, s, E, E)
        ink, lw = self.color, style.LINE_PT
        obst = layout.Obstacles()
        P = {k: m.xy(v) for k, v in self.points.items()}

        def px(p):
            return P[p] if isinstance(p, str) else m.xy(p)

        for names, colour in self.fills:
            ax.add_patch(Polygon([px(n) for n in names], closed=True, facecolor=colour,
                                 edgecolor="none", zorder=1))
        on_segment = set()
        for seg, dashed in [(s_, False) for s_ in self.segments] + [(s_, True) for s_ in self.hidden]:
            a, b = px(seg[0]), px(seg[1])
            ax.plot([a[0], b[0]], [a[1], b[1]], color=ink, lw=lw * (0.85 if dashed else 1.0),
                    ls=(0, (4, 3)) if dashed else "-", zorder=3,
                    solid_capstyle="round", dash_capstyle="butt")
            obst.segment(a, b)
            on_segment.update(p for p in seg if isinstance(p, str))
        for c in self.circles:
            C = px(c["c"])
            ax.add_patch(Circle(C, c["r"] * s, fill=False, edgecolor=ink, lw=lw,
                                ls=(0, (4, 3)) if c.get("dashed") else "-", zorder=3))
            obst.circle(C, c["r"] * s)
        for c in self.arcs:
            C = px(c["c"])
            ax.add_patch(Arc(C, 2 * c["r"] * s, 2 * c["r"] * s, theta1=c["from"], theta2=c["to"],
                             edgecolor=ink, lw=lw, ls=(0, (4, 3)) if c.get("dashed") else "-",
                             zorder=3))
            obst.circle(C, c["r"] * s, c["from"], c["to"])
        for e in self.ellipses:
            C = px(e["c"])
            rx, ry = e["rx"] * s, e["ry"] * s
            hid = e.get("hidden")
            parts = [(0, 360, False)]
            if hid == "top":
                parts = [(0, 180, True), (180, 360, False)]
            elif hid == "bottom":
                parts = [(0, 180, False), (180, 360, True)]
            for t0, t1, dashed in parts:
                ax.add_patch(Arc(C, 2 * rx, 2 * ry, theta1=t0, theta2=t1, edgecolor=ink,
                                 lw=lw * (0.85 if dashed else 1.0),
                                 ls=(0, (4, 3)) if dashed else "-", zorder=3))
            obst.ellipse(C, rx, ry)
        for a, v, b in [r[:3] for r in self.right_angles]:
            V, A, B = px(v), px(a), px(b)
            u = np.subtract(A, V); u /= np.hypot(*u)
            w = np.subtract(B, V); w /= np.hypot(*w)
            k = 0.55 * self.text_px
            q = [V + u * k, V + u * k + w * k, V + w * k]
            ax.plot([q[0][0], q[1][0], q[2][0]], [q[0][1], q[1][1], q[2][1]], color=ink,
                    lw=style.THIN_PT * 1.4, zorder=3)
            obst.polyline(q)
        for an in self.angles:
            a, v, b = an[:3]
            arcs_n = an[3] if len(an) > 3 else 1
            label = an[4] if len(an) > 4 else None
            V, A, B = px(v), px(a), px(b)
            t1 = math.degrees(math.atan2(A[1] - V[1], A[0] - V[0]))
            t2 = math.degrees(math.atan2(B[1] - V[1], B[0] - V[0]))
            if (t2 - t1) % 360 > 180:
                t1, t2 = t2, t1
            r0 = 0.75 * self.text_px
            for i in range(arcs_n):
                r = r0 + 3.5 * i
                ax.add_patch(Arc(V, 2 * r, 2 * r, theta1=t1, theta2=t2 if t2 > t1 else t2 + 360,
                                 edgecolor=ink, lw=style.THIN_PT * 1.4, zorder=3))
                obst.circle(V, r, t1, t2 if t2 > t1 else t2 + 360)
            if label:
                mid = math.radians(t1 + ((t2 - t1) % 360) / 2)
                r = r0 + 3.5 * arcs_n + 0.6 * self.text_px
                ax.text(V[0] + r * math.cos(mid), V[1] + r * math.sin(mid), as_tex(label),
                        fontsize=self.fontsize * 0.85, color=ink, ha="center", va="center")
        for t in self.ticks:
            a, b = px(t[0]), px(t[1])
            n = t[2] if len(t) > 2 else 1
            d = np.subtract(b, a); L = np.hypot(*d); d /= L
            nrm = np.array([-d[1], d[0]])
            mid = (np.array(a) + np.array(b)) / 2
            for i in range(n):
                c = mid + d * (i - (n - 1) / 2) * 3.5
                e1, e2 = c + nrm * 5, c - nrm * 5
                ax.plot([e1[0], e2[0]], [e1[1], e2[1]], color=ink, lw=style.THIN_PT * 1.5, zorder=3)
        dots = self.dots
        if dots is None:
            dots = [k for k in self.points if k not in on_segment and not k.startswith("_")]
        for k in dots:
            _dot(ax, P[k], ink)
            obst.point(P[k], style.DOT_PX / 2)
        for t in self.texts:
            x, y, txt = t[:3]
            kw = dict(fontsize=self.fontsize, color=ink, ha="center", va="center")
            if len(t) > 3:
                kw.update(t[3])
            ax.text(m.x(x), m.y(y), as_tex(txt), **kw)
        if self.extra:
            self.extra(ax, m)
        # labels, outward from the centre of the figure
        pts = [v for k, v in P.items() if not k.startswith("_")] or list(P.values())
        cx = sum(p[0] for p in pts) / len(pts)
        cy = sum(p[1] for p in pts) / len(pts)
        region = layout.hull(pts)
        for k, p in P.items():
            text = self.labels.get(k, None if k.startswith("_") else point_tex(k))
            if k in self.labels and self.labels[k] is not None:
                text = as_tex(self.labels[k]) if "$" not in self.labels[k] else self.labels[k]
            if not text:
                continue
            out = (p[0] - cx, p[1] - cy)
            n = math.hypot(*out)
            out = (out[0] / n, out[1] / n) if n > 1e-6 else (0.0, 0.0)
            _put_label(ax, text, p, self.fontsize, ink, obst, out, where=self.where.get(k),
                       gap=3.0 if k not in dots else 4.5, region=region)
        return trim(to_image(fig), self.paper)

    def image(self):
        if self.px_per_unit:
            # a fixed scale, so that figures shown side by side match
            self._final = self.px_per_unit
            return self._draw(self._final)
        x0, x1, y0, y1 = self._extent()
        dx, dy = x1 - x0, y1 - y0
        bw, bh = self.box
        pad = 2.4 * self.text_px
        cand = []
        if dx > 0:
            cand.append((bw - 2 * style.MARGIN - pad) / dx)
        if dy > 0:
            cand.append((bh - 2 * style.MARGIN - pad) / dy)
        if not cand:
            raise PictureError("%s: the figure has no extent" % self.name)
        self._final, img = _fit_loop(self._draw, self.box, min(cand), (dx, dy))
        return img

    def _replay(self):
        return self._draw(self._final)


# --------------------------------------------------------------------------- drawing
class Drawing(Picture):
    """Anything else: draw(ax) draws on an Axes whose data coordinates are the
    pixels of the box, (0, 0) bottom-left and (w, h) top-right. The result is
    trimmed to what was drawn (trim=False keeps the whole box)."""
    kind = "drawing"

    def __init__(self, name, box, draw, meaning=None, trim=True, paper=None, proportional=False,
                 exact=(), text_pt=None, min_scale=None):
        super().__init__(name, box, meaning, proportional, paper, min_scale)
        self.draw = draw
        self.trim = trim
        self.exact = tuple(exact) or (style.INK, style.BLUE)
        if text_pt:
            self.text_px = style.pt_to_px(text_pt)

    def image(self):
        w, h = self.box
        fig, ax = canvas(w, h, self.paper)
        self.draw(ax)
        img = to_image(fig)
        if self.trim:
            img = trim(img, self.paper)
        return img

    def _replay(self):
        return self.image()


class SharedRef:
    """A picture that this module uses but that is described elsewhere (in
    data/shared.py or the test that uses it first)."""
    kind = "shared"

    def __init__(self, name):
        self.name = bare(name)
        self.module = _origin["module"]

    def __repr__(self):
        return "shared(%r)" % self.name
