"""A small content module of every kind, used by the generator's self-test
and as a gallery of the house style."""
import math

import sympy as sp

from vztgen import Table, check, drawing, figure, formula, graph, only_keyed, shared
from vztgen import draw as d

x = sp.symbols("x", real=True)

PICTURES = [
    formula("t_ineq.bmp", r"\dfrac{x-2}{x+3}\leq 0", box=(197, 84),
            meaning=sp.Le((x - 2) / (x + 3), 0)),
    formula("t_set1.bmp", r"({-3};\,2]", box=(168, 72), meaning=sp.Interval.Lopen(-3, 2)),
    formula("t_set2.bmp", r"[{-3};\,2]", box=(168, 72), meaning=sp.Interval(-3, 2)),
    formula("t_set3.bmp", r"({-\infty};\,{-3})\cup[2;\,{+\infty})", box=(168, 72),
            meaning=sp.Union(sp.Interval.open(-sp.oo, -3), sp.Interval(2, sp.oo))),
    formula("t_system.bmp", r"\left\{\genfrac{}{}{0}{0}{x+y=5,}{x-2y={-1}}\right.", box=(200, 90)),
    formula("t_words.bmp", r"S=4\pi R^2\ \mathrm{см}^2", box=(168, 72)),
    graph("t_graph.bmp", curves=[lambda t: t ** 2 - 2 * t - 1], window=(-2, 4, -3, 4),
          box=(260, 211), points=[(1, -2, "A"), {"at": (3, 2), "label": "B", "guides": True}],
          meaning={"f": x ** 2 - 2 * x - 1}),
    graph("t_small.bmp", curves=[{"f": lambda t: 1 / t, "domain": (-3, 3)}], window=(-3, 3, -3, 3),
          box=(168, 144), grid=True),
    graph("t_trig.bmp", curves=[math.sin], window=(-3.5, 7, -1.6, 1.6), box=(260, 140),
          equal=False, xticks=[(math.pi / 2, r"\dfrac{\pi}{2}"), (math.pi, r"\pi")], yticks=[1]),
    figure("t_triangle.bmp", points={"A": (0, 0), "B": (3, 0), "C": (0, 4), "N": (1.5, 2)},
           segments=[("A", "B"), ("B", "C"), ("C", "A"), ("A", "N")], right_angles=[("B", "A", "C")],
           box=(192, 273)),
    figure("t_cube.bmp", points={
        "A": (0, 0), "B": (1.35, 0.55), "C": (3.35, 0.55), "D": (2, 0),
        "A1": (0, 2), "B1": (1.35, 2.55), "C1": (3.35, 2.55), "D1": (2, 2)},
        segments=[("A", "D"), ("D", "C"), ("A", "A1"), ("D", "D1"), ("C", "C1"), ("A1", "B1"),
                  ("B1", "C1"), ("C1", "D1"), ("D1", "A1")],
        hidden=[("A", "B"), ("B", "C"), ("B", "B1")], box=(260, 211)),
    figure("t_circle.bmp", points={"O": (0, 0), "A": (-2, 0), "B": (2, 0), "N": (1.2, 1.6),
                                   "P": (1.2, 0)},
           segments=[("A", "B"), ("N", "P"), ("O", "N")], circles=[("O", 2)],
           right_angles=[("N", "P", "B")], dots=["O"], box=(220, 200)),
    drawing("t_drawing.bmp", box=(120, 60), draw=lambda ax: (
        d.arrow(ax, (10, 30), (110, 30)), d.text(ax, 60, 38, r"$\vec{a}$", ha="center"))),
    shared("sqrt.bmp"),
]


def _rows():
    out = []
    for a in range(1, 40):
        for b in range(1, 40):
            if (a * b) % 2 == 0:
                out.append((a, b, a * b // 2))
    return out


TABLES = [Table("T_half.txt", columns=3, min_rows=100, rows=_rows,
                relation=lambda r: 2 * r.c3 == r.c1 * r.c2, rule="c3 = c1*c2/2 exactly")]


@check("FAKE2")
def _(q, pics):
    target = pics["t_ineq.bmp"].meaning
    sol = sp.solveset(target, x, sp.S.Reals)
    for v in q["variants"]:
        only_keyed(v, lambda f: pics[f].meaning == sol, "picture")
    return "t_ineq solved by sympy: exactly the keyed picture matches (%d variants)" % len(q["variants"])
