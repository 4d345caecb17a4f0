"""Pictures and tables of Test 6, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re
from fractions import Fraction

import numpy as np
import sympy as sp

from vztgen import (PAPER, TINT, WINDOW, Table, bare, check, drawing, expect, figure, formula,
                    graph, oblique, only_keyed, shared)
from vztgen import draw as d
from vztgen.common import (TEXT_BASELINE, inline, keyed_value_only, meaning, number_option,
                           numbers, same, signed_numbers, solves, text_value, variants)

x = sp.Symbol("x", real=True)
alpha = sp.Symbol("alpha", positive=True)

PICTURES = []
TABLES = []


def numeric(expr, var=x):
    """A sympy expression as a float function of one variable (None where it
    is undefined or not real)."""
    f = sp.lambdify(var, expr, "math")

    def value(v):
        try:
            r = f(v)
        except (ValueError, ZeroDivisionError, OverflowError):
            return None
        return None if isinstance(r, complex) else float(r)
    return value


def agrees(f, g, xs):
    """f and g (float functions, None where undefined) are defined at the
    same points of xs and agree there."""
    for v in xs:
        a, b = f(v), g(v)
        if (a is None) != (b is None) or (a is not None and abs(a - b) > 1e-9):
            return False
    return True


def drawn(g):
    """The function a graph draws: its curves' values on their domains (None
    outside them), so that a graph can be compared with a formula."""
    def value(v):
        for c in g.curves:
            a, b = c.get("domain", g.window[:2])
            if a <= v <= b:
                with np.errstate(all="ignore"):
                    r = float(c["f"](v))
                return r if math.isfinite(r) else None
        return None
    return value


# ============================================================== questions 1, 2, 4
# Text only. Question 1: a robot makes a part in two minutes, four robots in
# four minutes make 8. Question 2: the midpoint triangle has a quarter of the
# area. Question 4: pairs of different cakes of three kinds: C(3, 2) = 3.

# ============================================================== question 3
# Q63: a rectangular sheet ABCD folded along NK (N on BC, K on AD, NK ∥ AB)
# stands on the table α on A, K and D, like an open book. NK is perpendicular
# to KA and to KD, two crossing lines of α, so NK ⊥ α. The sheet is drawn in
# space (x right, y up, z away from the viewer) and projected obliquely.
SHEET_H = 2.6
Q63_SPACE = {"K": (0, 0, 0), "A": (-3.0, 0, 0.6), "D": (1.6, 0, 3.4)}
Q63_SPACE.update({up: (p[0], SHEET_H, p[2]) for up, p in
                  (("N", Q63_SPACE["K"]), ("B", Q63_SPACE["A"]), ("C", Q63_SPACE["D"]))})
Q63_TABLE = [(-4.6, 0, -0.9), (3.0, 0, -0.9), (3.0, 0, 4.6), (-4.6, 0, 4.6)]


def _q63_points():
    pts = {k: oblique(p) for k, p in Q63_SPACE.items()}
    pts.update({"_t%d" % i: oblique(p) for i, p in enumerate(Q63_TABLE)})
    return pts


def _q63_table_edges(pts):
    """The table's edges; where the standing sheet hides one, that part is
    dashed."""
    sheet = [pts[k] for k in ("A", "B", "N", "C", "D", "K")]
    solid, hidden = [], []
    for i in range(4):
        a, b = pts["_t%d" % i], pts["_t%d" % ((i + 1) % 4)]
        cuts = [0.0, 1.0]
        for j in range(len(sheet)):
            p, r = sheet[j], sheet[(j + 1) % len(sheet)]
            den = (b[0] - a[0]) * (r[1] - p[1]) - (b[1] - a[1]) * (r[0] - p[0])
            if abs(den) < 1e-12:
                continue
            t = ((p[0] - a[0]) * (r[1] - p[1]) - (p[1] - a[1]) * (r[0] - p[0])) / den
            u = ((p[0] - a[0]) * (b[1] - a[1]) - (p[1] - a[1]) * (b[0] - a[0])) / den
            if 0 < t < 1 and 0 <= u <= 1:
                cuts.append(t)
        cuts.sort()
        for t0, t1 in zip(cuts, cuts[1:]):
            s0 = (a[0] + (b[0] - a[0]) * t0, a[1] + (b[1] - a[1]) * t0)
            s1 = (a[0] + (b[0] - a[0]) * t1, a[1] + (b[1] - a[1]) * t1)
            mid = ((s0[0] + s1[0]) / 2, (s0[1] + s1[1]) / 2)
            # only the back edge (from _t2 to _t3) runs behind the sheet
            (hidden if i == 2 and _inside(sheet, mid) else solid).append((s0, s1))
    return solid, hidden


def _inside(poly, p):
    n, c = len(poly), False
    for i in range(n):
        (x1, y1), (x2, y2) = poly[i], poly[(i + 1) % n]
        if (y1 > p[1]) != (y2 > p[1]) and p[0] < x1 + (p[1] - y1) * (x2 - x1) / (y2 - y1):
            c = not c
    return c


_q63 = _q63_points()
_q63_solid, _q63_hidden = _q63_table_edges(_q63)
PICTURES.append(figure(
    "Q63.bmp", points=_q63,
    segments=[("A", "B"), ("B", "N"), ("N", "C"), ("C", "D"), ("D", "K"), ("K", "A"),
              ("N", "K")] + _q63_solid,
    hidden=_q63_hidden,
    # the sheet is opaque: white over the table
    fills=[(["_t0", "_t1", "_t2", "_t3"], TINT), (["A", "B", "N", "K"], PAPER),
           (["K", "N", "C", "D"], PAPER)],
    texts=[(-3.9, 0.0, r"$\alpha$")],
    where={"K": "s", "N": "n"},
    # narrower than its 283 x 173 box: the window's "X" stands over the box's
    # top right corner
    box=(270, 173), proportional=True,
    meaning={"space": Q63_SPACE, "table": ("A", "K", "D"), "line": ("N", "K")}))

# Options: how a line lies to a plane, as (angle with the plane, lies in it).
Q63_OPTIONS = {
    "O631.bmp": ("перпендикулярна\nдо площини $\\alpha$", (90, False)),
    "O632.bmp": ("паралельна\nплощині $\\alpha$", (0, False)),
    "O633.bmp": ("лежить\nу площині $\\alpha$", (0, True)),
    "O634.bmp": ("перетинає площину $\\alpha$\nпід кутом 45°", (45, False)),
    "O635.bmp": ("перетинає площину $\\alpha$\nпід кутом 30°", (30, False)),
}
PICTURES += [formula(name, tex, box=(243, 116), meaning=m)
             for name, (tex, m) in Q63_OPTIONS.items()]


@check("R3")
def _(q, pics):
    f = pics["Q63.bmp"]
    S = {k: sp.Matrix(v) for k, v in f.meaning["space"].items()}
    for k, p in f.meaning["space"].items():
        expect(np.allclose(f.xy(k), oblique(p)), "Q63: %s is drawn where it stands in space" % k)
    # the sheet: ABNK and KNCD are rectangles of the same height (the fold NK)
    for a, b, c in (("A", "B", "N"), ("B", "N", "K"), ("K", "N", "C"), ("N", "C", "D")):
        expect((S[a] - S[b]).dot(S[c] - S[b]) == 0, "Q63: the angle %s%s%s is right" % (a, b, c))
    expect(S["B"] - S["A"] == S["N"] - S["K"] == S["C"] - S["D"], "Q63: AB, KN, DC are equal")
    a, k, dd = (S[n] for n in f.meaning["table"])
    normal = (k - a).cross(dd - a)
    expect(normal != sp.zeros(3, 1), "Q63: A, K, D span a plane")
    line = S["N"] - S["K"]
    sine = sp.Abs(line.dot(normal)) / (line.norm() * normal.norm())
    angle = sp.nsimplify(sp.deg(sp.asin(sine)))
    lies = sine == 0 and (S["K"] - a).dot(normal) == 0
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == (angle, lies), "position of NK")
    return "Q63: NK makes %s° with the plane AKD: only O631 (keyed, perpendicular)" % angle


# ============================================================== question 5
# Q65: five numbers near 3,3; the least is √11 (3,3166...): 3,33² > 11,
# 3,33³ < 37, 2√3 = √12.
Q65_NUMBERS = [2 * sp.sqrt(3), sp.sqrt(11), sp.Rational(17, 5), sp.cbrt(37), sp.Rational(333, 100)]
PICTURES.append(inline(
    "Q65.bmp", r"2\sqrt{3};\quad \sqrt{11};\quad 3{,}4;\quad \sqrt[3]{37};\quad 3{,}33",
    box=(499, 73), label_top=24, picture_top=1, meaning=Q65_NUMBERS, align="center"))
PICTURES += [number_option(name, tex, value, box=(100, 75)) for name, tex, value in (
    ("O651.bmp", r"\sqrt{11}", sp.sqrt(11)),
    ("O652.bmp", r"3{,}33", sp.Rational(333, 100)),
    ("O653.bmp", r"\sqrt[3]{37}", sp.cbrt(37)),
    ("O654.bmp", r"2\sqrt{3}", 2 * sp.sqrt(3)),
    ("O655.bmp", r"3{,}4", sp.Rational(17, 5)))]


@check("R5")
def _(q, pics):
    shown = pics["Q65.bmp"].meaning
    least = min(shown, key=lambda w: sp.N(w, 50))
    expect(all(sp.N(w - least, 50) > 0 for w in shown if w is not least), "Q65: one least")
    for v in variants(q):
        expect(sorted(sp.N(meaning(pics, o), 30) for o in v["options"])
               == sorted(sp.N(w, 30) for w in shown), "R5: the options are the numbers of Q65")
        keyed_value_only(pics, v, least, "least number")
    return "Q65: the least of the five is %s, keyed (O651)" % least


# ============================================================== question 7
# Q67: the graph of y = √(x + 2) − 1 on a unit grid, from its end point
# (−2; −1). Wrong: the shifts taken the wrong way or swapped.
Q67_F = sp.sqrt(x + 2) - 1
PICTURES.append(graph(
    "Q67.bmp",
    curves=[{"f": sp.lambdify(x, Q67_F, "numpy"), "domain": (-2, 7), "ends": ("closed", None)}],
    # narrower than its 375 x 237 box, which runs under the window's "X"
    window=(-3, 6, -2, 3), grid=True, box=(330, 237), proportional=True,
    meaning={"f": Q67_F}))
PICTURES += [formula(name, tex, box=(142, 62), meaning=m) for name, tex, m in (
    ("O671.bmp", r"y=\sqrt{x+2}-1", Q67_F),
    ("O672.bmp", r"y=\sqrt{x-2}-1", sp.sqrt(x - 2) - 1),
    ("O673.bmp", r"y=\sqrt{x+2}+1", sp.sqrt(x + 2) + 1),
    ("O674.bmp", r"y=\sqrt{x-2}+1", sp.sqrt(x - 2) + 1),
    ("O675.bmp", r"y=\sqrt{x+1}-2", sp.sqrt(x + 1) - 2))]


@check("R7")
def _(q, pics):
    g = pics["Q67.bmp"]
    x0, x1 = g.window[:2]
    xs = [x0 + (x1 - x0) * i / 400 for i in range(401)]
    expect(agrees(drawn(g), numeric(g.meaning["f"]), xs), "Q67 draws its function")
    for v in variants(q):
        only_keyed(v, lambda o: agrees(drawn(g), numeric(meaning(pics, o)), xs), "formula")
    return "Q67: only O671 (keyed) agrees with the drawn curve across the window"


# ============================================================== question 8
# Q68: (1/2)^x < 8, that is x > −3: the least integer solution is −2.
# Wrong: −3 (the end taken in), −1, 3 (x < 3), 4 (x > 3, the sign lost).
PICTURES.append(inline("Q68.bmp", r"\left(\dfrac{1}{2}\right)^{x}<8", box=(147, 61),
                       label_top=24, picture_top=7, meaning=sp.Rational(1, 2) ** x < 8))
PICTURES += [number_option("O68%d.bmp" % k, ("{%d}" % v) if v < 0 else str(v), v,
                           box=(135, 59)) for k, v in enumerate((-2, -3, -1, 3, 4), 1)]


def least_integer(solutions):
    lo = int(sp.floor(solutions.inf))
    return next(k for k in range(lo, lo + 100) if solutions.contains(k) == sp.true)


@check("R8")
def _(q, pics):
    solutions = sp.solveset(pics["Q68.bmp"].meaning, x, sp.S.Reals)
    least = least_integer(solutions)
    for v in variants(q):
        keyed_value_only(pics, v, least, "least integer solution")
    return "Q68: solutions %s, least integer %d = O681 (keyed)" % (solutions, least)


# ============================================================== question 9
# Q69: the graph of f(x) = 5 − (x − 1)²/2 on a unit grid with x0 = −1 and
# the point (x0; f(x0)) = (−1; 3) marked with its guides. Wrong: −1 (x0
# itself), 5 (the greatest value), 1 (where it is taken), 4.
Q69_F = 5 - (x - 1) ** 2 / 2
Q69_X0 = -1
PICTURES.append(graph(
    "Q69.bmp", curves=[sp.lambdify(x, Q69_F, "numpy")], window=(-4, 6, -2, 6), grid=True,
    xticks=[(Q69_X0, "x_0"), (1, "1")],
    points=[{"at": (Q69_X0, float(Q69_F.subs(x, Q69_X0))), "guides": True}],
    texts=[(3.9, 4.1, "y=f(x)")],
    box=(351, 267), proportional=True, meaning={"f": Q69_F, "x0": Q69_X0}))
PICTURES += [number_option("O69%d.bmp" % k, ("{%d}" % v) if v < 0 else str(v), v,
                           box=(91, 83)) for k, v in enumerate((3, -1, 5, 1, 4), 1)]


@check("R9")
def _(q, pics):
    g = pics["Q69.bmp"]
    x0 = g.meaning["x0"]
    value = g.meaning["f"].subs(x, x0)
    expect(abs(g.f(x0) - float(value)) < 1e-12, "Q69 draws f")
    expect(tuple(g.points[0]["at"]) == (x0, float(value)), "Q69 marks (x0; f(x0))")
    for v in variants(q):
        keyed_value_only(pics, v, value, "f(x0)")
    return "Q69: f(%d) = %s read off the drawn curve, O691 (keyed)" % (x0, value)


# ============================================================== question 10
# Q610: the triangle ABC in its circumscribed circle (centre O) with AB = 7
# and the angle C = 30°: R = AB / (2 sin C) = 7 (the chord AB subtends 60° at
# O). Wrong: 14 (AB / sin C), 3,5 (AB / 2), 7√3 and 7√2 (another angle's
# sine).
Q610_R = 7
Q610_POINTS = {"O": (0.0, 0.0)}
Q610_POINTS.update({k: d.polar((0, 0), Q610_R, a) for k, a in (("A", 240), ("B", 300),
                                                                 ("C", 165))})
# C on the long arc, the angle A obtuse: O stands clear of the triangle.
# "30°" stands along the bisector of C, where the angle is wide enough for it.
_q610_bisector = d.polar(Q610_POINTS["C"], 5.0, math.degrees(math.atan2(
    -Q610_R - Q610_POINTS["C"][1], -Q610_POINTS["C"][0])))
PICTURES.append(figure(
    "Q610.bmp", points=Q610_POINTS, segments=[("A", "B"), ("B", "C"), ("C", "A")],
    circles=[("O", Q610_R)], dots=["O"], angles=[("A", "C", "B")],
    texts=[(0.0, -Q610_R * math.sqrt(3) / 2 + 1.1, "7"), (*_q610_bisector, "30°")],
    box=(189, 189), proportional=True, meaning={"AB": 7, "C": 30}))
PICTURES += [number_option(name, tex, value, box=(129, 41)) for name, tex, value in (
    ("O6101.bmp", "7", 7),
    ("O6102.bmp", "14", 14),
    ("O6103.bmp", r"3{,}5", sp.Rational(7, 2)),
    ("O6104.bmp", r"7\sqrt{3}", 7 * sp.sqrt(3)),
    ("O6105.bmp", r"7\sqrt{2}", 7 * sp.sqrt(2)))]


@check("R10")
def _(q, pics):
    f = pics["Q610.bmp"]
    r = f.circles[0]["r"]
    for k in "ABC":
        expect(abs(f.dist("O", k) - r) < 1e-9, "Q610: %s lies on the circle" % k)
    expect(abs(f.dist("A", "B") - f.meaning["AB"]) < 1e-9, "Q610: AB is drawn 7 long")
    expect(abs(f.angle("A", "C", "B") - f.meaning["C"]) < 1e-9, "Q610: the angle C is drawn 30°")
    radius = sp.Integer(f.meaning["AB"]) / (2 * sp.sin(sp.rad(f.meaning["C"])))
    expect(abs(float(radius) - r) < 1e-9, "Q610: the drawn circle has that radius")
    for v in variants(q):
        keyed_value_only(pics, v, radius, "radius")
    return "Q610: R = AB/(2 sin C) = %s, the drawn radius; O6101 (keyed)" % radius


# ============================================================== question 11
# Q611: the triangle ABC with M the midpoint of AC and N the midpoint of BC
# (equal halves marked): MN is its midline, MN = AB/2, whatever C is. With
# A(−1;3;4) and B(−3;2;−2) from the text: MN = (−1; −0,5; −3). Wrong: AB
# itself, −AB/2, the midpoint of AB, −AB.
Q611_POINTS = {"A": (0.0, 0.0), "B": (6.0, 0.0), "C": (2.2, 4.2)}
Q611_MIDPOINTS = {"M": ("A", "C"), "N": ("B", "C")}
for _m, (_p, _r) in Q611_MIDPOINTS.items():
    Q611_POINTS[_m] = tuple((a + b) / 2 for a, b in zip(Q611_POINTS[_p], Q611_POINTS[_r]))


def _q611_arrow(ax, m):
    d.arrow(ax, m.xy(Q611_POINTS["M"]), m.xy(Q611_POINTS["N"]), head=9.0)


PICTURES.append(figure(
    "Q611.bmp", points=Q611_POINTS,
    segments=[("A", "B"), ("A", "M"), ("M", "C"), ("C", "N"), ("N", "B")],
    ticks=[("A", "M", 1), ("M", "C", 1), ("C", "N", 2), ("N", "B", 2)],
    dots=["M", "N"], extra=_q611_arrow,
    box=(249, 195), proportional=True, meaning=Q611_MIDPOINTS))


def _coordinates(*c):
    return r"(%s)" % r";\,".join(("{%s}" if v < 0 else "%s") % str(v).replace(".", "{,}")
                                 for v in c)


PICTURES += [formula(name, _coordinates(*c), box=(161, 80),
                     meaning=tuple(sp.nsimplify(v) for v in c)) for name, c in (
    ("O6111.bmp", (-1, -0.5, -3)),
    ("O6112.bmp", (-2, -1, -6)),
    ("O6113.bmp", (1, 0.5, 3)),
    ("O6114.bmp", (-2, 2.5, 1)),
    ("O6115.bmp", (2, 1, 6)))]


@check("R11")
def _(q, pics):
    f = pics["Q611.bmp"]
    for m, (p, r) in f.meaning.items():
        expect(np.allclose(f.xy(m), np.add(f.xy(p), f.xy(r)) / 2),
               "Q611: %s is drawn as the midpoint of %s%s" % (m, p, r))
    C = sp.Matrix(sp.symbols("c1:4", real=True))
    for v in variants(q):
        a = signed_numbers(v["labels"]["Label1"].split("А(")[1])
        b = signed_numbers(v["labels"]["Label8"])
        expect(len(a) == 3 and len(b) == 3, "R11: A and B have three coordinates")
        P = {"A": sp.Matrix(a), "B": sp.Matrix(b), "C": C}
        mid = {m: (P[p] + P[r]) / 2 for m, (p, r) in f.meaning.items()}
        mn = mid["N"] - mid["M"]
        expect(not mn.free_symbols, "R11: MN follows from A and B alone")
        only_keyed(v, lambda o: tuple(meaning(pics, o)) == tuple(mn), "vector MN")
    return "Q611: M, N midpoints of AC, BC; MN = AB/2 = %s, O6111 (keyed)" % (tuple(mn),)


# ============================================================== question 12
# Q612: √(x + 4) = 2 − x. Squaring gives x² − 5x = 0, x = 0 or 5; only 0
# satisfies the equation (at 5 the left side is 3, the right −3). O91 (5,
# described with Test 3, where it is right) is the root that squaring adds.
# Wrong too: "0 і 5" (no check), −5 (a sign slip), −4 (where the root
# begins).
PICTURES.append(inline("Q612.bmp", r"\sqrt{x+4}=2-x", box=(193, 78), label_top=24,
                       picture_top=3, meaning=sp.Eq(sp.sqrt(x + 4), 2 - x)))
PICTURES += [formula(name, tex, box=(164, 88), meaning=sp.FiniteSet(*values))
             for name, tex, values in (
    ("O6121.bmp", "0", (0,)),
    ("O6122.bmp", r"0\ \mathrm{і}\ 5", (0, 5)),
    ("O6123.bmp", r"{-5}", (-5,)),
    ("O6124.bmp", r"{-4}", (-4,)))]
PICTURES.append(shared("O91.bmp"))


def roots_of(o, pics):
    m = meaning(pics, o)
    return m if isinstance(m, sp.Set) else sp.FiniteSet(m)


@check("R12")
def _(q, pics):
    eq = pics["Q612.bmp"].meaning
    want = sp.solveset(eq, x, sp.S.Reals)
    expect(want == sp.FiniteSet(0), "Q612: the only root is 0")
    for v in variants(q):
        expect("SpS\\O91.bmp" in v["options"], "R12 shows O91")
        only_keyed(v, lambda o: roots_of(o, pics) == want, "root")
    return "Q612: roots %s by sympy; O6121 (keyed) right, O91 (5) wrong" % want


# ============================================================== question 13
# Q613: √x = lg(5 − x) is defined where x ≥ 0 and 5 − x > 0: [0; 5). Wrong:
# the ends taken in or left out the other way, one condition only.
Q613_SIDES = (sp.sqrt(x), sp.log(5 - x, 10))
PICTURES.append(inline("Q613.bmp", r"\sqrt{x}=\lg(5-x)", box=(139, 56), label_top=24,
                       picture_top=8, meaning=Q613_SIDES))
PICTURES += [formula(name, tex, box=(164, 74), meaning=m) for name, tex, m in (
    ("O6131.bmp", r"[0;\,5)", sp.Interval.Ropen(0, 5)),
    ("O6132.bmp", r"[0;\,5]", sp.Interval(0, 5)),
    ("O6133.bmp", r"(0;\,5)", sp.Interval.open(0, 5)),
    ("O6134.bmp", r"(0;\,5]", sp.Interval.Lopen(0, 5)),
    ("O6135.bmp", r"[0;\,{+\infty})", sp.Interval(0, sp.oo)))]


@check("R13")
def _(q, pics):
    domain = sp.S.Reals
    for side in pics["Q613.bmp"].meaning:
        domain = domain & sp.calculus.util.continuous_domain(side, x, sp.S.Reals)
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == domain, "domain")
    return "Q613: both sides defined on %s, O6131 (keyed)" % domain


# ============================================================== question 14
# Q614: tg x = √3; π/3 is a particular solution. Wrong: π/6 (the cotangent's
# value), 2π/3 and −π/3 (tangent −√3), π/4 (tangent 1).
Q614_EQ = sp.Eq(sp.tan(x), sp.sqrt(3))
PICTURES.append(inline("Q614.bmp", r"\mathrm{tg}\,x=\sqrt{3}", box=(135, 49), label_top=24,
                       picture_top=16, meaning=Q614_EQ))
PICTURES += [number_option(name, tex, value, box=(87, 85)) for name, tex, value in (
    ("O6141.bmp", r"\dfrac{\pi}{3}", sp.pi / 3),
    ("O6142.bmp", r"\dfrac{\pi}{6}", sp.pi / 6),
    ("O6143.bmp", r"\dfrac{2\pi}{3}", 2 * sp.pi / 3),
    ("O6144.bmp", r"{-\dfrac{\pi}{3}}", -sp.pi / 3),
    ("O6145.bmp", r"\dfrac{\pi}{4}", sp.pi / 4))]


@check("R14")
def _(q, pics):
    eq = pics["Q614.bmp"].meaning
    for v in variants(q):
        only_keyed(v, lambda o: solves(eq, meaning(pics, o)), "particular solution")
    return "Q614: only π/3 (O6141, keyed) solves tg x = √3"


# ============================================================== question 15
# 10 blue, 4 violet, 8 red and 5 green pens: P(red) = 8/27. Wrong: 8/19 (red
# to the others), 1/4 (the colours as equally likely), 19/27 (not red), 4/27
# (the violet ones).
PICTURES += [number_option(name, r"\dfrac{%d}{%d}" % (p, r), sp.Rational(p, r), box=(84, 103))
             for name, (p, r) in (("O6151.bmp", (8, 27)), ("O6152.bmp", (8, 19)),
                                  ("O6153.bmp", (1, 4)), ("O6154.bmp", (19, 27)),
                                  ("O6155.bmp", (4, 27)))]


@check("R15")
def _(q, pics):
    for v in variants(q):
        pens = {word: int(k) for k, word in re.findall(r"(\d+) (\w+)", v["labels"]["Label8"])}
        expect(len(pens) == 4 and "червоних" in pens, "R15: four colours, red among them")
        keyed_value_only(pics, v, sp.Rational(pens["червоних"], sum(pens.values())),
                         "probability")
    return "R15: 8 red of 27 pens, P = 8/27 = O6151 (keyed)"


# ============================================================== question 16
# Q616: the integral of x³ from −2 to 2 is 0 (an odd function on a symmetric
# interval). Wrong: 4 and 8 (F(2) alone, F(2) + F(−2)), 2, 1.
Q616 = sp.Integral(x ** 3, (x, -2, 2))
Q616_BOX, Q616_TOPS = (111, 166), (78, 4)     # the line's label top, the box's top


def _q616(ax):
    """A tall integral sign with its limits above and below, and x³ dx on the
    baseline of the line "Обчисліть інтеграл" beside it."""
    w, h = Q616_BOX
    base = h - (Q616_TOPS[0] + TEXT_BASELINE - Q616_TOPS[1])
    renderer = ax.figure.canvas.get_renderer()
    to_box = ax.transData.inverted()

    def extent(t):
        (x0, y0), (x1, y1) = to_box.transform(t.get_window_extent(renderer=renderer).get_points())
        return x0, y0, x1, y1

    sign = d.text(ax, 2, base, r"$\int$", size=48)
    x0, y0, x1, y1 = extent(sign)
    sign.set_y(base + 7 - (y0 + y1) / 2 + base)      # centred on the maths axis
    x0, y0, x1, y1 = extent(sign)
    d.text(ax, x1 - 2, y1 + 3, "$2$", va="bottom")
    d.text(ax, x0 + 2, y0 - 3, "${-2}$", va="top")
    d.text(ax, x1 + 8, base, r"$x^3\,dx$")


PICTURES.append(drawing("Q616.bmp", box=Q616_BOX, draw=_q616, trim=False, paper=WINDOW,
                        meaning=Q616))


@check("R16")
def _(q, pics):
    value = pics["Q616.bmp"].meaning.doit()
    for v in variants(q):
        only_keyed(v, lambda f: same(text_value(f), value), "integral", values=v["forms"])
    return "Q616 = %s by sympy, the keyed option" % value


# ============================================================== question 17
# Q617: a cube (edge 4) with the plane through the midpoints of the three
# edges at one vertex; beside it the corner it cuts off, a tetrahedron with
# legs 2: (2·2·2/6) / 4³ = 1/48. Wrong: 1:24 (the base taken as a square),
# 1:16 (the third of the pyramid forgotten), 1:8 (the cube of the halved
# edge), 1:4.
Q617_EDGE = 4
Q617_CUBE = {"_%d%d%d" % p: tuple(Q617_EDGE * c for c in p)
             for p in [(i, j, k) for i in (0, 1) for j in (0, 1) for k in (0, 1)]}
Q617_VERTEX = "_110"                          # front top right (x right, y up, z away)
Q617_CUT = {"_m1": (2, 4, 0), "_m2": (4, 2, 0), "_m3": (4, 4, 2)}
Q617_APART = (4.6, -1.4, 0)                   # where the cut-off corner is shown


def _q617_points():
    pts = {k: oblique(p, angle=30) for k, p in {**Q617_CUBE, **Q617_CUT}.items()}
    for k, p in {Q617_VERTEX: Q617_CUBE[Q617_VERTEX], **Q617_CUT}.items():
        pts["_apart" + k] = oblique(tuple(a + b for a, b in zip(p, Q617_APART)), angle=30)
    return pts


def _cube_edges(cube):
    keys = sorted(cube)
    return [(a, b) for a in keys for b in keys
            if a < b and sum(u != w for u, w in zip(cube[a], cube[b])) == 1]


_Q617_HIDDEN = "_001"                         # the back lower left vertex
_q617_edges = _cube_edges(Q617_CUBE)
_apart = ["_apart" + k for k in (Q617_VERTEX, *Q617_CUT)]
PICTURES.append(figure(
    "Q617.bmp", points=_q617_points(),
    segments=[e for e in _q617_edges if _Q617_HIDDEN not in e]
    + [("_m1", "_m2"), ("_m2", "_m3"), ("_m3", "_m1")]
    + [(a, b) for i, a in enumerate(_apart) for b in _apart[i + 1:]],
    hidden=[e for e in _q617_edges if _Q617_HIDDEN in e],
    fills=[(["_m1", "_m2", "_m3"], TINT), (_apart[1:], TINT)],
    dots=list(Q617_CUT),
    box=(326, 164), proportional=True,
    meaning={"cube": Q617_CUBE, "cut": Q617_CUT}))


def _ratio(form):
    a, b = numbers(form)
    return sp.Rational(a, b)


@check("R17")
def _(q, pics):
    m = pics["Q617.bmp"].meaning
    cube = {k: sp.Matrix(p) for k, p in m["cube"].items()}
    cut = [sp.Matrix(p) for p in m["cut"].values()]
    edges = _cube_edges(m["cube"])
    for p in cut:
        expect(any(p == (cube[a] + cube[b]) / 2 for a, b in edges), "Q617: a midpoint of an edge")
    normal = (cut[1] - cut[0]).cross(cut[2] - cut[0])
    side = {k: sp.sign(normal.dot(v - cut[0])) for k, v in cube.items()}
    small = [k for k, s in side.items() if s == side[Q617_VERTEX]]
    expect(small == [Q617_VERTEX], "Q617: the plane cuts off one vertex")
    V = cube[Q617_VERTEX]
    for p in cut:
        expect(sum(1 for a, b in zip(p, V) if a != b) == 1, "Q617: the cut is on an edge at V")
    volume = sp.Abs(sp.Matrix.hstack(*[p - V for p in cut]).det()) / 6
    ratio = volume / Q617_EDGE ** 3
    for v in variants(q):
        only_keyed(v, lambda f: _ratio(f) == ratio, "ratio", values=v["forms"])
    return "Q617: the corner cut off is %s of the cube, 1:48 (keyed)" % ratio


# ============================================================== question 18
# The table "VZT_8.txt": vol1 litres at pct1 % and vol2 litres at pct2 %
# give mix % exactly. The options mix, mix + 2, mix div 2, mix − 4, mix + 10
# differ and none is negative when mix ≥ 4 and mix is neither 7 nor 8.
def vzt8_ok(r):
    v1, p1, v2, p2, mix = r
    return (1 <= v1 <= 10 and 1 <= v2 <= 10 and 0 < p1 < 100 and 0 < p2 < 100 and p1 != p2
            and mix * (v1 + v2) == v1 * p1 + v2 * p2 and mix >= 4 and mix not in (7, 8))


def vzt8_rows():
    rows = [(v1, p1, v2, p2, (v1 * p1 + v2 * p2) // (v1 + v2))
            for v1 in range(1, 11) for v2 in range(1, 11)
            for p1 in range(5, 100, 5) for p2 in range(5, 100, 5)
            if (v1 * p1 + v2 * p2) % (v1 + v2) == 0]
    rows = [r for r in rows if vzt8_ok(r)]
    random.Random(608).shuffle(rows)
    return rows[:89]


TABLES.append(Table(
    "VZT_8.txt", columns=5, min_rows=89, rows=vzt8_rows, relation=vzt8_ok,
    rule="c5·(c1 + c3) = c1·c2 + c3·c4 (the mixture's strength, exact); c1, c3 whole litres "
         "1..10; c2 != c4 below 100 %; c5 >= 4 and not 7 or 8 (then c5, c5+2, c5 div 2, c5-4, "
         "c5+10 differ and none is negative); 89 rows drawn from the strengths 5, 10, ..., 95 % "
         "by a seeded shuffle"))


@check("R18")
def _(q, pics):
    for v in variants(q):
        v1 = signed_numbers(v["labels"]["Label1"])[-1]
        p1, v2, p2 = signed_numbers(v["labels"]["Label14"])
        mix = Fraction(v1 * p1 + v2 * p2, v1 + v2)
        only_keyed(v, lambda f: Fraction(int(f)) == mix, "strength", values=v["forms"])
    return "R18: %d rows seen; the keyed option is the mixture's strength" % len(q["variants"])


# ============================================================== question 19
# Five graphs, each with its formula written on it. O6192 to O6195 draw their
# formulas; O6191 is labelled y = (x − 1)² but draws y = (x + 1)² (the shift
# taken the wrong way).
def _graph19(name, label, formula_expr, drawn_expr, window, label_at, domains=(None,),
             ends=None, xticks=None):
    f = sp.lambdify(x, drawn_expr, "numpy")
    curves = [{"f": f, **({"domain": dom} if dom else {}), **({"ends": ends} if ends else {})}
              for dom in domains]
    # 284 px high in the 330 x 292 boxes: the letters Г and Д stand 285 px
    # below the upper row's top
    return graph(name, curves=curves, window=window, grid=True, box=(330, 284),
                 proportional=True, xticks=xticks,
                 texts=[(label_at[0], label_at[1], "$%s$" % label,
                         {"bbox": dict(facecolor="white", edgecolor="none", pad=1.5)})],
                 meaning={"formula": formula_expr})


PICTURES += [
    _graph19("O6191.bmp", "y=(x-1)^2", (x - 1) ** 2, (x + 1) ** 2, (-4, 3, -1, 5),
             (1.9, 2.2)),
    _graph19("O6192.bmp", "y=x^3", x ** 3, x ** 3, (-3, 3, -4, 4), (1.9, -2.6)),
    _graph19("O6193.bmp", r"y=\log_2 x", sp.log(x, 2), sp.log(x, 2), (-1, 6, -3, 3),
             (3.9, 1.0), domains=[(2 ** -3.5, 6)], xticks=[(2, "2")]),
    _graph19("O6194.bmp", r"y=-\dfrac{2}{x}", -2 / x, -2 / x, (-4, 4, -4, 4), (2.3, 2.4),
             domains=[(-4, -0.5), (0.5, 4)]),
    _graph19("O6195.bmp", r"y=\sqrt{x+3}", sp.sqrt(x + 3), sp.sqrt(x + 3), (-4, 4, -1, 4),
             (-1.6, 3.0), domains=[(-3, 4)], ends=("closed", None)),
]


def fits_its_formula(g):
    """Every drawn curve runs along the formula written on the graph."""
    xs = [a + (b - a) * i / 300 for a, b in (c.get("domain", g.window[:2]) for c in g.curves)
          for i in range(301)]
    return agrees(drawn(g), numeric(g.meaning["formula"]), xs)


@check("R19")
def _(q, pics):
    for v in variants(q):
        only_keyed(v, lambda o: not fits_its_formula(pics[bare(o)]), "graph that misfits")
    return "O6192-O6195 draw their formulas; only O6191 (keyed) does not"


# ============================================================== question 20
# Q620A: the isosceles triangle ABC with AB = BC = 4 and the angle α at B,
# drawn with α = 50°, and the height AN to the side BC: AN = AB·sin α. Wrong:
# 4 cos α (BN), 4 tg α, 4 cos(α/2) (the height from B), 8 sin(α/2) (the base
# AC).
Q620_SIDE, Q620_ALPHA = 4, 50
_A = d.polar((0, 0), Q620_SIDE, Q620_ALPHA)
Q620_POINTS = {"B": (0.0, 0.0), "C": (float(Q620_SIDE), 0.0), "A": _A, "N": (_A[0], 0.0)}
PICTURES.append(figure(
    "Q620A.bmp", points=Q620_POINTS, segments=[("A", "B"), ("B", "C"), ("C", "A"), ("A", "N")],
    right_angles=[("A", "N", "C")], angles=[("C", "B", "A", 1, r"$\alpha$")],
    ticks=[("A", "B", 1), ("B", "C", 1)],
    box=(246, 235), proportional=True,
    meaning={"AB": Q620_SIDE, "alpha": Q620_ALPHA}))
PICTURES += [formula(name, tex, box=(141, 92), meaning=m) for name, tex, m in (
    ("O6201A.bmp", r"4\,\sin\alpha", 4 * sp.sin(alpha)),
    ("O6202A.bmp", r"4\,\cos\alpha", 4 * sp.cos(alpha)),
    ("O6203A.bmp", r"4\,\mathrm{tg}\,\alpha", 4 * sp.tan(alpha)),
    ("O6204A.bmp", r"4\,\cos\dfrac{\alpha}{2}", 4 * sp.cos(alpha / 2)),
    ("O6205A.bmp", r"8\,\sin\dfrac{\alpha}{2}", 8 * sp.sin(alpha / 2)))]


@check("R20")
def _(q, pics):
    f = pics["Q620A.bmp"]
    side, a = f.meaning["AB"], f.meaning["alpha"]
    expect(abs(f.dist("A", "B") - side) < 1e-9 and abs(f.dist("B", "C") - side) < 1e-9,
           "Q620A: AB = BC = 4")
    expect(abs(f.angle("A", "B", "C") - a) < 1e-9, "Q620A: the angle B is α")
    expect(abs(f.angle("A", "N", "B") - 90) < 1e-9 and
           abs(f.dist("B", "N") + f.dist("N", "C") - f.dist("B", "C")) < 1e-9,
           "Q620A: N is the foot of the height on BC")
    height = f.dist("A", "N")
    # in general: A = 4(cos α, sin α), BC on the x-axis, so AN = 4 sin α
    general = side * sp.sin(alpha)
    for v in variants(q):
        only_keyed(v, lambda o: abs(float(meaning(pics, o).subs(alpha, sp.rad(a))) - height)
                   < 1e-9, "height at the drawn α")
        only_keyed(v, lambda o: sp.simplify(meaning(pics, o) - general) == 0, "height AN")
    return "Q620A: AN = %.4f = 4 sin 50°; 4 sin α (O6201A, keyed) and no other" % height
