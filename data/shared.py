"""Pictures that many windows share: the main menu's title and emblem, and
the signs that stand inside the blue question text (the fraction bar, the
root sign, pi). The signs are drawn in the labels' blue on the window's grey
and keep their exact canvas (no trimming): their rows line up with Tahoma
24 px bold text whose label top is given below for each sign."""
import math

from matplotlib.patches import Rectangle

from vztgen import BLUE, INK, SOFT, TINT, WINDOW, drawing
from vztgen import draw as d

LABEL_PX = 24          # the question text: Tahoma 24 px bold
TAHOMA_BASELINE = 19   # a label draws its baseline this far below its top;
                       # its digits fill rows 1-18 of the label


def _bar(ax):
    # The bar's box stands 35 px below a numerator label's top and 7 px
    # above the denominator label's top: the bar fills the box's first three
    # rows, which lie 17 px below the numerator's digits and 6 px above the
    # denominator's.
    ax.add_patch(Rectangle((0, 0), 30, 3, facecolor=BLUE, edgecolor="none", antialiased=False))


def _root(ax):
    # A tall root sign, 25 x 48, on the window colour. Its boxes stand 8 to
    # 25 px above the text they precede (11 px in slots with a 41 px box that
    # scales it down, 25 px where it hides a place holder "*" in a slot
    # label), so the sign spans rows 4-46: the radicand's digits (19 rows
    # above its baseline) lie inside it in every window. The bar runs on to
    # the right edge; the sign is 25 px wide so it covers a "*" that starts
    # 10 px into the box and stops short of the digits after it.
    h = 48

    def p(x, row):
        return (x, h - row)

    d.line(ax, [p(0.8, 31.0), p(4.0, 28.6)], color=BLUE, width=1.3)
    d.line(ax, [p(4.0, 28.6), p(9.0, 46.0)], color=BLUE, width=2.6)
    d.line(ax, [p(9.0, 46.0), p(15.0, 4.5), p(25.0, 4.5)], color=BLUE, width=1.5)
    for line in ax.lines:
        line.set_solid_joinstyle("miter")
        line.set_solid_capstyle("butt")


def _pi(ax):
    # The box stands 1 px above the top of the text beside it, so that
    # text's baseline is row 20 of the box.
    d.label_text(ax, 1, 21 - (TAHOMA_BASELINE + 1), "\u03c0", LABEL_PX)


def _title(ax):
    W, H = 1140, 538
    left = 118   # the menu's buttons lie over the first 110 pixels
    # a calm panel with a faint grid
    d.rounded(ax, left, 14, W - left - 14, H - 28, 18, face="#f7f9fd", edge=SOFT, width=1.0,
              zorder=0)
    for x in range(left + 34, W - 20, 34):
        d.line(ax, [(x, 30), (x, H - 30)], color=TINT, width=0.8, zorder=0.5)
    for y in range(30 + 34, H - 30, 34):
        d.line(ax, [(left + 16, y), (W - 30, y)], color=TINT, width=0.8, zorder=0.5)
    # top right: axes with a parabola and a sine wave
    ox, oy, u = 968, 372, 28
    d.arrow(ax, (ox - 5.2 * u, oy), (ox + 5.2 * u, oy), color=SOFT, width=1.2, head=9)
    d.arrow(ax, (ox, oy - 4.8 * u), (ox, oy + 4.9 * u), color=SOFT, width=1.2, head=9)
    xs = [x / 40 for x in range(-200, 201)]
    d.line(ax, [(ox + u * x, oy + u * 0.5 * x * x) for x in xs if 0.5 * x * x <= 4.6],
           color="#7f95cf", width=2.4, zorder=1)
    d.line(ax, [(ox + u * x, oy + u * 1.4 * math.sin(x)) for x in xs if abs(x) <= 4.9],
           color="#9fb0d8", width=2.0, zorder=1)
    # the name
    d.text(ax, left + 44, H - 112, "VZT Trainer", size=54, color=INK, weight="bold", zorder=3)
    d.text(ax, left + 46, H - 170, "Тренажер ЗНО з математики", size=34, color=BLUE, zorder=3)
    d.text(ax, left + 48, H - 214, "10 тестів  ·  200 завдань  ·  щоразу нові числа", size=19,
           color=INK, zorder=3)
    # a line of the signs of school maths, written on the panel like a
    # blackboard's margin: plain ink, no frames or numbers, nothing that
    # looks like a control to press
    signs = [r"$\sqrt{x}$", r"$\pi$", r"$x^2$", r"$\log_a b$", r"$f\,\prime(x)$", r"$\sin\alpha$",
             r"$\angle A$", r"$\%$", r"$a\leq b$", r"$\vec{a}$"]
    x0, y0, step = left + 60, 170, 86
    d.line(ax, [(left + 44, y0 - 34), (left + 44 + 10 * step, y0 - 34)], color=SOFT, width=1.0,
           zorder=1)
    for k in range(10):
        d.text(ax, x0 + k * step, y0, signs[k], size=22, color=INK if k % 2 else BLUE,
               ha="center", va="center", zorder=3)
    d.text(ax, x0, 62, "Оберіть тест кнопкою ліворуч: Test1 … Test10", size=18, color=INK,
           zorder=3)


def _emblem(ax):
    # a shield with the letter В in a 60 x 75 box
    pts = [(4, 71), (56, 71), (56, 34), (30, 3), (4, 34)]
    d.polygon(ax, pts, face=INK, edge=INK, width=1.5, joinstyle="round")
    d.polygon(ax, [(9, 66), (51, 66), (51, 36), (30, 11), (9, 36)], face="none", edge="white",
              width=1.2, joinstyle="round")
    d.text(ax, 30, 42, "В", size=30, color="white", ha="center", va="center", weight="bold",
           family="DejaVu Sans")
    d.text(ax, 30, 20, r"$\pi$", size=11, color="white", ha="center", va="center")


PICTURES = [
    drawing("chdr4.bmp", box=(30, 3), draw=_bar, trim=False, paper=WINDOW, exact=(BLUE,)),
    drawing("sqrt.bmp", box=(25, 48), draw=_root, trim=False, paper=WINDOW, exact=(BLUE,)),
    drawing("Pi.bmp", box=(20, 21), draw=_pi, trim=False, paper=WINDOW, exact=(BLUE,)),
    drawing("title.bmp", box=(1140, 538), draw=_title, trim=False, paper=WINDOW,
            exact=(INK, BLUE, "#f7f9fd", "white")),
    drawing("virlan0.bmp", box=(60, 75), draw=_emblem, trim=False, paper=WINDOW,
            exact=(INK, "white")),
]
