"""Small helpers for drawing() functions (coordinates are box pixels,
origin bottom-left)."""
import math

from matplotlib.font_manager import FontProperties
from matplotlib.patches import Circle, FancyArrowPatch, FancyBboxPatch, Polygon

from . import style

_TAHOMA = {False: "/usr/share/wine/fonts/tahoma.ttf", True: "/usr/share/wine/fonts/tahomabd.ttf"}


def tahoma(bold=False):
    """The font of the question text, for signs that stand beside it."""
    return FontProperties(fname=_TAHOMA[bool(bold)])


def text(ax, x, y, s, size=style.FORMULA_PT, color=style.INK, ha="left", va="baseline", **kw):
    """Text or mathtext ($...$) in points."""
    return ax.text(x, y, s, fontsize=size, color=color, ha=ha, va=va, **kw)


def text_px(ax, x, y, s, px, color=style.INK, font=None, **kw):
    """Text whose em is px pixels (as a label's font size in pixels)."""
    kw.setdefault("ha", "left")
    kw.setdefault("va", "baseline")
    if font is not None:
        font = font.copy()
        font.set_size(style.px_to_pt(px))
        return ax.text(x, y, s, fontproperties=font, color=color, **kw)
    return ax.text(x, y, s, fontsize=style.px_to_pt(px), color=color, **kw)


# Bold label text is struck again this far to the right, in pixels per 24 px
# of size (as the program draws its bold labels), so that the strokes are as
# heavy as those of a bold face.
BOLD_SHIFT_PER_24PX = 1.2


def label_text(ax, x, y, s, px=24, color=style.BLUE, **kw):
    """Text exactly as a bold question label draws it: Tahoma bold of px
    pixels, struck again a fraction of a pixel to the right. Returns the
    first text artist (its extent is the text's)."""
    shift = BOLD_SHIFT_PER_24PX * px / 24.0
    first = text_px(ax, x, y, s, px, color=color, font=tahoma(bold=True), **kw)
    for dx in (shift / 2, shift):
        text_px(ax, x + dx, y, s, px, color=color, font=tahoma(bold=True), **kw)
    return first


def line(ax, pts, color=style.INK, width=style.LINE_PT, dashed=False, **kw):
    xs, ys = zip(*pts)
    return ax.plot(xs, ys, color=color, lw=width, ls=(0, (4, 3)) if dashed else "-", **kw)[0]


def arrow(ax, a, b, color=style.INK, width=style.LINE_PT, head=6.0):
    ax.add_patch(FancyArrowPatch(a, b, arrowstyle="-|>,head_length=%g,head_width=%g"
                                 % (head, head * 0.43), mutation_scale=1, lw=width, color=color,
                                 shrinkA=0, shrinkB=0))


def dot(ax, p, color=style.INK, d=style.DOT_PX, hollow=False):
    ax.add_patch(Circle(p, d / 2, facecolor=style.PAPER if hollow else color, edgecolor=color,
                        lw=style.LINE_PT * 0.9, zorder=6))


def polygon(ax, pts, face="none", edge=style.INK, width=style.LINE_PT, **kw):
    ax.add_patch(Polygon(pts, closed=True, facecolor=face, edgecolor=edge, lw=width, **kw))


def rounded(ax, x, y, w, h, r, face, edge="none", width=0.0, **kw):
    ax.add_patch(FancyBboxPatch((x + r, y + r), w - 2 * r, h - 2 * r,
                                boxstyle="round,pad=%g" % r, facecolor=face, edgecolor=edge,
                                lw=width, **kw))


def polar(c, r, deg):
    return c[0] + r * math.cos(math.radians(deg)), c[1] + r * math.sin(math.radians(deg))
