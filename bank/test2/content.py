"""Test 2: every picture and table its twenty questions show, grouped by
question, with the checks that prove the keyed option right."""
import itertools
import math
import random
import re
from fractions import Fraction
from functools import reduce

import numpy as np
import sympy as sp
from matplotlib.patches import Rectangle

from vztgen import (BLUE, INK, SOFT, TINT, WINDOW, PictureError, Table, check, drawing, expect,
                    figure, formula, graph, keyed, oblique, only_keyed, shared)
from vztgen import draw as d
from vztgen.common import inline

X = sp.Symbol("x", real=True)
PICTURES = []
TABLES = []


def _number(text):
    """An option text as a number ("0,5" -> 1/2, "1/3" -> 1/3); None if it is not one."""
    try:
        return sp.nsimplify(sp.Rational(str(text).replace(",", ".").strip()))
    except Exception:  # not a number ("не існує")
        return None


def _label(v, name):
    return v["labels"].get(name, "")


def _image(v, name):
    return v["images"].get(name, "")


# ============================================================= question 3 (S3)
# "Скільки трикутників зображено на рисунку?": a triangle with two segments
# from its top vertex to the opposite side.
N8 = figure("N8.bmp",
            points={"_A": (1.7, 4.4), "_B": (0, 0), "_C": (5, 0), "_D": (2.3, 0), "_E": (3.6, 0)},
            segments=[("_A", "_B"), ("_B", "_C"), ("_C", "_A"), ("_A", "_D"), ("_A", "_E")],
            box=(217, 233), proportional=True)
PICTURES.append(N8)


def count_triangles(fig):
    """Triangles whose three sides lie on drawn segments, from the figure's points."""
    pts = fig.points
    segs = [(fig.xy(a), fig.xy(b)) for a, b in fig.segments]

    def on(p, seg):
        (ax, ay), (bx, by) = seg
        cross = (bx - ax) * (p[1] - ay) - (by - ay) * (p[0] - ax)
        dot = (p[0] - ax) * (bx - ax) + (p[1] - ay) * (by - ay)
        return abs(cross) < 1e-9 and -1e-9 <= dot <= (bx - ax) ** 2 + (by - ay) ** 2 + 1e-9

    def joined(p, q):
        return any(on(p, s) and on(q, s) for s in segs)

    n = 0
    for a, b, c in itertools.combinations(pts.values(), 3):
        area = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])
        if abs(area) > 1e-9 and joined(a, b) and joined(b, c) and joined(c, a):
            n += 1
    return n


@check("S3")
def _(q, pics):
    n = count_triangles(pics["N8.bmp"])
    for v in q["variants"]:
        expect(_image(v, "Image1") == "SpS\\N8.bmp", "the figure is N8")
        only_keyed(v, lambda o: _number(o) == n)
    return "N8: %d triangles counted from its points and segments; only the keyed option says so" % n


# ============================================================= question 4 (SS5)
# "Знайдіть значення виразу " (line 2, top 48; the box top is 20): one of
# three powers with irrational exponents, each with its own options.
EXPRESSIONS = [
    ("N9.bmp", r"\sqrt{2^{\sqrt{5}+3}\cdot 2^{3-\sqrt{5}}}",
     sp.sqrt(sp.Mul(sp.Pow(2, sp.sqrt(5) + 3, evaluate=False),
                    sp.Pow(2, 3 - sp.sqrt(5), evaluate=False), evaluate=False), evaluate=False)),
    ("N10.bmp", r"3^{1+\sqrt{2}}\cdot 3^{1-\sqrt{2}}",
     sp.Mul(sp.Pow(3, 1 + sp.sqrt(2), evaluate=False), sp.Pow(3, 1 - sp.sqrt(2), evaluate=False),
            evaluate=False)),
    ("N11.bmp", r"\dfrac{5^{\sqrt{7}+1}}{5^{\sqrt{7}-1}}",
     sp.Mul(sp.Pow(5, sp.sqrt(7) + 1, evaluate=False),
            sp.Pow(sp.Pow(5, sp.sqrt(7) - 1, evaluate=False), -1, evaluate=False),
            evaluate=False)),
]
for _name, _tex, _expr in EXPRESSIONS:
    PICTURES.append(inline(_name, _tex, (190, 92), 48, 20, _expr))


def _value(expr):
    """The exact value of an expression picture's meaning."""
    return sp.nsimplify(sp.simplify(sp.powsimp(expr, force=True)))


@check("SS5")
def _(q, pics):
    seen = {}
    for v in q["variants"]:
        pic = pics[_image(v, "Image1")]
        value = _value(pic.meaning)
        expect(abs(float(pic.meaning.evalf(30)) - float(value)) < 1e-9, "%s evaluates" % pic.name)
        only_keyed(v, lambda o: _number(o) == value)
        seen[pic.name] = value
    return "; ".join("%s = %s" % kv for kv in sorted(seen.items())) + \
        " by sympy; in each variant only the keyed option equals it"


# ============================================================= question 6 (SS6)
# "Обчисліть: " (top 70; the box top is 23) — the value is 1 (option 4);
# option 5 is one third.
N12_VALUE = sp.Mul(sp.Pow(27, sp.Rational(2, 3), evaluate=False), sp.Pow(3, -1, evaluate=False),
                   sp.Pow(sp.sqrt(9, evaluate=False), -1, evaluate=False), evaluate=False)
PICTURES.append(inline("N12.bmp", r"\dfrac{27^{\frac{2}{3}}\cdot 3^{-1}}{\sqrt{9}}",
                       (188, 138), 70, 23, N12_VALUE, size=24))
PICTURES.append(shared("chdr4.bmp"))


@check("SS6")
def _(q, pics):
    value = sp.nsimplify(sp.simplify(pics["N12.bmp"].meaning))
    for v in q["variants"]:
        expect(_image(v, "Image2") == "SpS\\N12.bmp", "the expression is N12")
        only_keyed(v, lambda f: _number(f) == value, "option form", v["forms"])
    return "N12 = %s by sympy; only the keyed option 4 shows it (the fraction 1/3 does not)" % value


# ============================================================= question 7 (SS7)
def _sayable(n):
    """Counts whose noun the question puts in the right form: from 5 on, and
    never ending in 11 to 14 once past 20."""
    return n >= 5 and not (n >= 21 and 11 <= n % 100 <= 14)


def _other(v):
    return v // 2 if v % 2 == 0 else v // 3 if v % 3 == 0 else v // 2 + v // 4


def _turner_rows():
    rnd = random.Random(2007)
    rows, seen = [], set()
    while len(rows) < 556:
        h = rnd.randint(2, 8)
        p1, p2 = rnd.randint(8, 160), rnd.randint(8, 160)
        if p1 == p2 or (p1 + p2) % h or not (_sayable(p1) and _sayable(p2)) or (h, p1, p2) in seen:
            continue
        seen.add((h, p1, p2))
        rows.append((h, p1, p2, (p1 + p2) // h))
    return rows


def _turner_ok(r):
    h, p1, p2, v = r
    options = {v, 2 * v, 3 * v, 4 * v, _other(v)}
    return (h >= 2 and v * h == p1 + p2 and p1 != p2 and _sayable(p1) and _sayable(p2)
            and len(options) == 5)


TABLES.append(Table(
    "VZT_3.txt", columns=4, min_rows=556, rows=_turner_rows, relation=_turner_ok,
    rule="h, p1, p2, v: v = (p1 + p2) / h exactly (the joint output per hour), h >= 2, p1 != p2; "
         "p1 and p2 at least 5 and not ending in 11..14 past 20 (the noun agrees); "
         "v, 2v, 3v, 4v and the fifth option all differ"))


@check("SS7")
def _(q, pics):
    rows = set(TABLES[0].generate())
    for v in q["variants"]:
        m = re.match(r"Перший токар за (\d+) год виготовляє (\d+) \S+, а другий - (\d+) \S+\.",
                     _label(v, "Label1"))
        expect(m is not None, "line 1 reads: %r" % _label(v, "Label1"))
        h, p1, p2 = map(int, m.groups())
        expect(any(r[:3] == (h, p1, p2) for r in rows), "the numbers come from a row")
        rate = Fraction(p1 + p2, h)
        only_keyed(v, lambda o: _number(o) == rate)
    return "%d variants: (p1 + p2) / h worked out from the text; only the keyed option shows it" \
        % len(q["variants"])


# ============================================================= question 8 (SS8)
def _ratio_rows():
    rows = []
    for parts in range(4, 46):
        if 360 % parts:
            continue
        u = 360 // parts
        for a in range(1, parts):
            for dd in range(a + 1, min(parts, 19)):
                for b in range(a, dd + 1):
                    c = parts - a - b - dd
                    r = (a, b, c, dd, u)
                    if a <= c <= dd and _ratio_ok(r):
                        rows.append(r)
    random.Random(2008).shuffle(rows)
    return rows[:818]


def _ratio_options(r):
    a, b, c, dd, u = r
    return [(dd - a) * u, u, dd - a, a if a != u else a + 1, a * u]


def _ratio_ok(r):
    a, b, c, dd, u = r
    return (0 < a < dd and a <= min(b, c) and max(b, c) <= dd and u * (a + b + c + dd) == 360
            and dd * u < 180 and dd <= 18 and reduce(math.gcd, (a, b, c, dd)) == 1
            and len(set(_ratio_options(r))) == 5)


TABLES.append(Table(
    "VZT_4.txt", columns=5, min_rows=818, rows=_ratio_rows, relation=_ratio_ok,
    rule="a, b, c, d, u: u = 360 / (a + b + c + d) exactly; a the smallest and d the largest term, "
         "a < d <= 18; lowest terms; every angle below 180 (convex); at most 45 parts; the five options "
         "(d - a)u, u, d - a, a (or a + 1 when a = u) and au all differ"))


@check("SS8")
def _(q, pics):
    for v in q["variants"]:
        m = re.search(r"відносяться як (\d+):(\d+):(\d+):(\d+)\.", _label(v, "Label1"))
        expect(m is not None, "line 1 reads: %r" % _label(v, "Label1"))
        terms = list(map(int, m.groups()))
        angles = [Fraction(360 * t, sum(terms)) for t in terms]
        answer = max(angles) - min(angles)
        only_keyed(v, lambda o: o.endswith("°") and _number(o[:-1]) == answer)
    return "%d variants: largest minus smallest angle from the ratio; only the keyed option" \
        % len(q["variants"])


# ============================================================= question 9 (SS9)
# The cube ABCDA1B1C1D1 (x to the right, y away from the viewer, z up) and
# the midpoints N of AB, K of CC1, M of A1D1: three pairwise skew edges, so
# the section is the regular hexagon through six edge midpoints.
CUBE = {"A": (0, 0, 0), "B": (1, 0, 0), "C": (1, 1, 0), "D": (0, 1, 0),
        "A1": (0, 0, 1), "B1": (1, 0, 1), "C1": (1, 1, 1), "D1": (0, 1, 1)}
CUBE_EDGES = [("A", "B"), ("B", "C"), ("C", "D"), ("D", "A"), ("A1", "B1"), ("B1", "C1"),
              ("C1", "D1"), ("D1", "A1"), ("A", "A1"), ("B", "B1"), ("C", "C1"), ("D", "D1")]
HALF = sp.Rational(1, 2)


def _mid(p, q):
    return tuple(HALF * (sp.Integer(a) + b) for a, b in zip(CUBE[p], CUBE[q]))


SECTION_POINTS = {"N": _mid("A", "B"), "K": _mid("C", "C1"), "M": _mid("A1", "D1")}


def _screen(p):
    x, y, z = (float(c) for c in p)
    return oblique((x, z, y))


Q8 = figure(
    "Q8.bmp",
    points={**{"_" + k: _screen(p) for k, p in CUBE.items()},
            **{k: _screen(p) for k, p in SECTION_POINTS.items()}},
    segments=[("_" + a, "_" + b) for a, b in CUBE_EDGES if "D" not in (a, b)],
    hidden=[("_" + a, "_" + b) for a, b in CUBE_EDGES if "D" in (a, b)],
    where={"N": "s", "K": "e", "M": "n"},
    box=(192, 249), proportional=True,   # left of the window's "X" (in a 263 x 249 box)
    meaning={"cube": CUBE, "edges": CUBE_EDGES, "points": SECTION_POINTS})
PICTURES.append(Q8)


def section(plane_points):
    """The polygon cut from the unit cube by the plane through three points
    (exact), its vertices in order round the polygon."""
    P = [sp.Matrix(p) for p in plane_points]
    n = (P[1] - P[0]).cross(P[2] - P[0])
    level = n.dot(P[0])
    out = []
    for a, b in CUBE_EDGES:
        A, B = sp.Matrix(CUBE[a]), sp.Matrix(CUBE[b])
        fa, fb = n.dot(A) - level, n.dot(B) - level
        if fa == fb:
            pts = [A, B] if fa == 0 else []
        else:
            t = fa / (fa - fb)
            pts = [A + t * (B - A)] if 0 <= t <= 1 else []
        for p in pts:
            if all(p != o for o in out):
                out.append(p)
    c = sum(out, sp.zeros(3, 1)) / len(out)
    e1 = (out[0] - c).normalized()
    e2 = n.normalized().cross(e1)
    out.sort(key=lambda p: math.atan2(float((p - c).dot(e2)), float((p - c).dot(e1))))
    return out, (e1, e2)


def shape(vertices):
    """Side lengths (relative to the longest) and angles of a polygon, in order."""
    pts = [np.array([float(c) for c in p]) for p in vertices]
    n = len(pts)
    sides = [np.linalg.norm(pts[(i + 1) % n] - pts[i]) for i in range(n)]
    angles = []
    for i in range(n):
        u, w = pts[i - 1] - pts[i], pts[(i + 1) % n] - pts[i]
        angles.append(math.degrees(math.acos(np.dot(u, w) / np.linalg.norm(u) / np.linalg.norm(w))))
    return [s / max(sides) for s in sides], angles


def similar(p, q):
    """Polygons similar to each other (any rotation, reflection, start)."""
    (s1, a1), (s2, a2) = shape(p), shape(q)
    if len(s1) != len(s2):
        return False
    n = len(s1)
    for flip in (False, True):
        # walked the other way round: vertex i is old vertex -i, side i old side -i-1
        s, a = (s2[::-1], [a2[0]] + a2[:0:-1]) if flip else (s2, a2)
        for k in range(n):
            if all(abs(s1[i] - s[(i + k) % n]) < 1e-6 and abs(a1[i] - a[(i + k) % n]) < 1e-6
                   for i in range(n)):
                return True
    return False


def _true_shape(name, plane_points):
    """An option: the section of the cube through three points, in its true
    shape, its longest side at the bottom."""
    verts, (e1, e2) = section(plane_points)
    flat = [(float(p.dot(e1)), float(p.dot(e2))) for p in verts]
    n = len(flat)
    i = max(range(n), key=lambda k: math.dist(flat[k], flat[(k + 1) % n]))
    (x0, y0), (x1, y1) = flat[i], flat[(i + 1) % n]
    t = -math.atan2(y1 - y0, x1 - x0)
    rot = [(math.cos(t) * x - math.sin(t) * y, math.sin(t) * x + math.cos(t) * y) for x, y in flat]
    if sum(p[1] for p in rot) / n < rot[i][1]:   # the rest of the polygon above that side
        rot = [(x, -y) for x, y in rot]
    names = ["_%d" % k for k in range(n)]
    return figure(name, points=dict(zip(names, rot)),
                  segments=[(names[k], names[(k + 1) % n]) for k in range(n)],
                  fills=[(names, TINT)], dots=[], box=(200, 100),
                  meaning={"polygon": names, "plane": plane_points})


SECTION_OPTIONS = [
    ("O81.bmp", [SECTION_POINTS["N"], SECTION_POINTS["K"], SECTION_POINTS["M"]]),  # regular hexagon
    ("O82.bmp", [_mid("A", "B"), _mid("B", "C"), _mid("B", "B1")]),     # equilateral triangle
    ("O83.bmp", [_mid("A", "A1"), _mid("B", "B1"), _mid("C", "C1")]),   # square
    ("O84.bmp", [_mid("A", "B"), _mid("B", "C"), CUBE["D1"]]),          # pentagon
    ("O85.bmp", [_mid("A", "B"), _mid("B", "C"), CUBE["C1"]]),          # isosceles trapezoid
]
for _name, _plane in SECTION_OPTIONS:
    PICTURES.append(_true_shape(_name, _plane))


def _polygon(fig):
    return [fig.xy(k) for k in fig.meaning["polygon"]]


@check("SS9")
def _(q, pics):
    cube = pics["Q8.bmp"].meaning
    pts = cube["points"]
    for name, p in pts.items():
        expect(any(p == _mid(a, b) for a, b in cube["edges"]), "%s is the midpoint of an edge" % name)
    verts, _ = section([pts["N"], pts["K"], pts["M"]])
    for v in q["variants"]:
        expect(_label(v, "Label14").startswith("N, K i M."), "the points named are N, K, M")
        only_keyed(v, lambda f: similar(verts, _polygon(pics[f])))
    s, a = shape(verts)
    return "the plane NKM cuts a %d-gon (sides %s, angles %s) from the cube; only the keyed " \
           "option picture is similar to it" % (len(verts), sorted({round(x, 3) for x in s}),
                                                sorted({round(x, 1) for x in a}))


# ============================================================= question 10 (SS10)
# "Укажіть ескіз графіка квадратичної функції у=х²-х+2": five parabolas.
PARABOLAS = [
    ("O103.bmp", X ** 2 - X + 2),    # the function asked about
    ("O101.bmp", X ** 2 + X + 2),    # vertex on the wrong side
    ("O102.bmp", -X ** 2 + X + 2),   # opens downwards
    ("O104.bmp", X ** 2 - X - 2),    # crosses the x-axis
    ("O105.bmp", -X ** 2 + X - 2),   # opens downwards, below the axis
]
for _name, _f in PARABOLAS:
    PICTURES.append(graph(_name, curves=[sp.lambdify(X, _f, "numpy")], window=(-3, 4, -4, 5),
                          box=(200, 200), meaning={"f": _f}))


def drawn_as_meant(pic, *exprs):
    """The curves a graph draws are the functions its meaning names."""
    for curve, expr in zip(pic.functions(), exprs):
        for x in (0.25, 0.5, 1.0, 1.5, 2.5):
            expect(abs(float(curve(x)) - float(expr.subs(X, x))) < 1e-9,
                   "%s draws %s" % (pic.name, expr))


def sketch(f):
    """What a sketch of a parabola shows: which way it opens, on which side
    of the y-axis its vertex lies, how often it meets the x-axis, where it
    meets the y-axis."""
    a = sp.Poly(f, X).LC()
    xv = sp.solve(sp.diff(f, X), X)[0]
    roots = len(sp.solveset(f, X, sp.S.Reals))
    return (sp.sign(a), sp.sign(xv), roots, sp.sign(f.subs(X, 0)))


@check("SS10")
def _(q, pics):
    for v in q["variants"]:
        text = _label(v, "Label1")
        m = re.search(r"у=х -х\+2$", text)
        expect(m is not None and _label(v, "Label14") == "2", "the function is у=х²-х+2")
        f = X ** 2 - X + 2
        for o in v["options"]:
            drawn_as_meant(pics[o], pics[o].meaning["f"])
        only_keyed(v, lambda o: sp.simplify(pics[o].meaning["f"] - f) == 0)
        right = sketch(f)
        expect(sketch(pics[keyed(v)].meaning["f"]) == right, "the keyed sketch looks right")
        for o in v["options"]:
            if o != keyed(v):
                expect(sketch(pics[o].meaning["f"]) != right, "%s looks like the right one" % o)
    return "x²-x+2 (opens up, vertex right of Oy, no x-intercept, y-intercept 2): only the keyed " \
           "sketch fits it; the four others differ in at least one visible feature"


# ============================================================= question 11 (SS11)
# y = f(x) and y = -f(x): f = 2^x drawn solid, the second graph dashed.
F11 = 2 ** X
PAIRS = [
    ("O112.bmp", -F11),                  # symmetric about Ox: the answer
    ("O111.bmp", 2 ** (-X)),             # symmetric about Oy
    ("O113.bmp", -(2 ** (-X))),          # symmetric about O
    ("O114.bmp", F11 - 3),               # shifted down
    ("O115.bmp", sp.log(X, 2)),          # symmetric about y = x
]
for _name, _g in PAIRS:
    _dom = (1e-3, 4) if _g.has(sp.log) else (-4, 4)
    PICTURES.append(graph(
        _name,
        curves=[sp.lambdify(X, F11, "numpy"),
                {"f": sp.lambdify(X, _g, "numpy"), "domain": _dom, "dashed": True}],
        window=(-3, 3, -4, 4), box=(200, 200), meaning={"f": F11, "g": _g}))


@check("SS11")
def _(q, pics):
    for v in q["variants"]:
        expect("у=f(x)" in _label(v, "Label1") and "у=-f(x)" in _label(v, "Label1"), "f and -f")
        for o in v["options"]:
            expect(sp.simplify(pics[o].meaning["f"] - F11) == 0, "%s draws f" % o)
            drawn_as_meant(pics[o], pics[o].meaning["f"], pics[o].meaning["g"])
        expect(sp.solveset(sp.Eq(F11, 0), X, sp.S.Reals) == sp.S.EmptySet, "f is never 0")
        only_keyed(v, lambda o: sp.simplify(pics[o].meaning["g"] + pics[o].meaning["f"]) == 0)
    return "f = 2^x: only the keyed picture's second graph is -f (sympy); the others are " \
           "f(-x), -f(-x), f-3, log2 x"


# ============================================================= question 13 (SS13)
# Gas used year by year, in milliards of cubic metres.
GAS = {2005: 72, 2006: 66, 2007: 60, 2008: 54, 2009: 48, 2010: 52, 2011: 57, 2012: 50, 2013: 45}


def _chart(ax):
    W, H = 422, 204
    left, bottom, top = 34, 24, H - 34
    scale = (top - bottom) / 80.0
    for k in range(0, 81, 20):
        y = bottom + k * scale
        d.line(ax, [(left, y), (W - 4, y)], color=SOFT if k else INK, width=0.7 if k else 1.2)
        d.text(ax, left - 5, y - 4, "$%d$" % k, size=12, color=INK, ha="right")
    slot = (W - 4 - left) / len(GAS)
    for i, (year, value) in enumerate(sorted(GAS.items())):
        x = left + slot * (i + 0.5)
        ax.add_patch(Rectangle((x - 13, bottom), 26, value * scale, facecolor=TINT,
                               edgecolor=INK, lw=1.0, zorder=3))
        d.text(ax, x, bottom + value * scale + 4, "$%d$" % value, size=12, color=INK, ha="center",
               zorder=4)
        d.text(ax, x, bottom - 16, "$%d$" % year, size=11.5, color=INK, ha="center")
    d.text(ax, 4, H - 15, "млрд м³", size=12, color=INK)


Q13 = drawing("Q13.bmp", box=(422, 204), draw=_chart, trim=False, meaning={"gas": GAS},
              exact=(INK, SOFT, TINT), proportional=True)
PICTURES.append(Q13)


def _statements(gas):
    """Which of the three statements the chart makes true."""
    first = Fraction(gas[2005], gas[2009]) == Fraction(3, 2)
    run = [gas[y] for y in range(2007, 2014)]
    geometric = all(Fraction(run[i + 1], run[i]) == Fraction(run[1], run[0])
                    for i in range(len(run) - 1))
    third = gas[2011] > Fraction(gas[2007] + gas[2009] + gas[2013], 3)
    return {n for n, ok in ((1, first), (2, geometric), (3, third)) if ok}


def _numerals(option):
    return {len(m) for m in re.findall(r"\bI{1,3}\b", option)}


@check("SS13")
def _(q, pics):
    true = _statements(pics["Q13.bmp"].meaning["gas"])
    for v in q["variants"]:
        expect("в 1,5 разу більше газу, ніж у 2009 р." in _label(v, "Label14"), "statement I")
        expect("з 2007 по 2013 рр." in _label(v, "Label8"), "statement II")
        expect("в 2011 р." in _label(v, "Label15") and "2007, 2009 і 2013" in _label(v, "Label16"),
               "statement III")
        only_keyed(v, lambda o: _numerals(o) == true)
    gas = pics["Q13.bmp"].meaning["gas"]
    return "chart Q13 (%s) makes exactly statements %s true; only the keyed option names " \
           "exactly these" % (", ".join("%d: %d" % kv for kv in sorted(gas.items())), sorted(true))


# ============================================================= question 14 (SS14)
# The right isosceles triangle ABC (right angle C) with the rhombus ANKP:
# N on AB, K on BC, P on AC, its angle at A the triangle's 45°.
_s = 2 / (1 + math.sqrt(2))
Q14 = figure("Q14.bmp",
             points={"A": (0, 0), "B": (2, 0), "C": (1, 1), "N": (_s, 0),
                     "K": (_s + _s / math.sqrt(2), _s / math.sqrt(2)),
                     "P": (_s / math.sqrt(2), _s / math.sqrt(2))},
             segments=[("A", "B"), ("B", "C"), ("C", "A"), ("N", "K"), ("K", "P")],
             right_angles=[("A", "C", "B")], box=(211, 136))
PICTURES.append(Q14)


def _between(fig, p, a, b):
    (px, py), (ax, ay), (bx, by) = fig.xy(p), fig.xy(a), fig.xy(b)
    return abs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) < 1e-9 and \
        min(ax, bx) - 1e-9 <= px <= max(ax, bx) + 1e-9


@check("SS14")
def _(q, pics):
    f = pics["Q14.bmp"]
    expect(abs(f.dist("C", "A") - f.dist("C", "B")) < 1e-9 and abs(f.angle("A", "C", "B") - 90) < 1e-9,
           "ABC is right and isosceles")
    expect(_between(f, "N", "A", "B") and _between(f, "K", "B", "C") and _between(f, "P", "A", "C"),
           "the rhombus is inscribed")
    sides = [f.dist("A", "N"), f.dist("N", "K"), f.dist("K", "P"), f.dist("P", "A")]
    expect(max(sides) - min(sides) < 1e-9, "ANKP is a rhombus")
    obtuse = max(f.angle("P", "A", "N"), f.angle("A", "N", "K"))
    for v in q["variants"]:
        only_keyed(v, lambda o: o.endswith("°") and abs(float(o[:-1]) - obtuse) < 1e-6)
    return "Q14: ABC right isosceles, ANKP a rhombus with N, K, P on the sides; its obtuse angle " \
           "%.6f° from the coordinates; only the keyed option" % obtuse


# ============================================================= question 15 (SS15)
# The root sign stands before the option written "*n", which reads √n.
PICTURES.append(shared("sqrt.bmp"))


@check("SS15")
def _(q, pics):
    expect("sqrt.bmp" in pics, "the root sign is described")
    plane = sp.Plane(sp.Point3D(0, 0, 0), normal_vector=(1, 0, 0))   # yOz
    for v in q["variants"]:
        m = re.fullmatch(r"Знайдіть відстань від точки N\((-?\d+);(-?\d+);(-?\d+)\) до площини yOz\.",
                         _label(v, "Label1"))
        expect(m is not None, "line 1 reads: %r" % _label(v, "Label1"))
        distance = plane.distance(sp.Point3D(*map(int, m.groups())))
        expect(_image(v, "Image1") == "SpS\\sqrt.bmp", "the root sign is shown")

        def value(o):
            return sp.sqrt(int(o[1:])) if o.startswith("*") else _number(o)
        only_keyed(v, lambda o: value(o) == distance)
    return "%d variants: the distance from N to yOz by sympy; only the keyed option equals it " \
           "(the root option √(a²+b²+c²) never does)" % len(q["variants"])


# ============================================================= question 16 (SS16)
# The sign in both runs of blanks: "less than or equal", in the text's blue,
# standing on the text's baseline (the box top is the label top).
def _less_equal(ax):
    h = 24

    def p(x, row):
        return (x, h - row)

    d.line(ax, [p(22, 3.5), p(9, 9.5), p(22, 15.5)], color=BLUE, width=1.7)
    d.line(ax, [p(9, 19.5), p(22, 19.5)], color=BLUE, width=1.7)
    for line in ax.lines:
        line.set_solid_joinstyle("miter")
        line.set_solid_capstyle("butt")


NN = drawing("NN.bmp", box=(31, 24), draw=_less_equal, trim=False, paper=WINDOW, exact=(BLUE,),
             meaning=sp.Le)
PICTURES.append(NN)


@check("SS16")
def _(q, pics):
    rel = pics["NN.bmp"].meaning
    expect(rel is sp.Le, "NN is the sign less than or equal")
    counts = {}
    for v in q["variants"]:
        m = re.fullmatch(r"Укажіть число цілих розв`язків нерівності (\d+)      Х       (\d+)",
                         _label(v, "Label1"))
        expect(m is not None and _label(v, "Label14") == "2", "a ≤ x² ≤ b: %r" % _label(v, "Label1"))
        lo, hi = int(m.group(1)), int(m.group(2))
        expect(_image(v, "Image1") == _image(v, "Image2") == "SpS\\NN.bmp", "both signs are NN")
        if (lo, hi) not in counts:
            sols = sp.Intersection(sp.solveset(rel(lo, X ** 2), X, sp.S.Reals),
                                   sp.solveset(rel(X ** 2, hi), X, sp.S.Reals))
            counts[lo, hi] = len(list(sp.Intersection(sols, sp.Range(-hi - 1, hi + 2))))
        only_keyed(v, lambda o: _number(o) == counts[lo, hi])
    return "a² ≤ x² ≤ b² solved by sympy for (a², b²): integers %s; only the keyed option " \
           "counts them" % sorted(counts.items())


# ============================================================= question 17 (SS17)
# The circle with centre O and diameter AB; P the midpoint of AO, N on the
# circle above P, NP perpendicular to AB.
Q17 = figure("Q17.bmp",
             points={"O": (0, 0), "A": (-1, 0), "B": (1, 0), "P": (-0.5, 0),
                     "N": (-0.5, math.sqrt(3) / 2)},
             segments=[("A", "B"), ("N", "P")], circles=[("O", 1)],
             right_angles=[("N", "P", "B")], where={"O": "s", "P": "s"}, box=(213, 160))
PICTURES.append(Q17)


# The sign "perpendicular" in the text's blue. Its box stands level with the
# text here and 6 px above it in Test 9: its foot, at row 22, lies 3 px under
# the baseline in the one window and 3 px over it in the other.
def _perpendicular(ax):
    h = 24

    def p(x, row):
        return (x, h - row)

    d.line(ax, [p(19.5, 6), p(19.5, 22)], color=BLUE, width=1.7)
    d.line(ax, [p(11, 22.2), p(28, 22.2)], color=BLUE, width=1.7)
    for line in ax.lines:
        line.set_solid_capstyle("butt")


PICTURES.append(drawing("PP.bmp", box=(40, 24), draw=_perpendicular, trim=False, paper=WINDOW,
                        exact=(BLUE,), meaning="perpendicular"))


@check("SS17")
def _(q, pics):
    f = pics["Q17.bmp"]
    r = f.dist("O", "A")
    expect(abs(f.dist("O", "B") - r) < 1e-9 and abs(f.dist("O", "N") - r) < 1e-9, "A, B, N on the circle")
    expect(abs(f.dist("A", "P") - f.dist("P", "O")) < 1e-9, "AP = PO")
    expect(abs(f.angle("N", "P", "B") - 90) < 1e-9, "NP ⊥ AB")
    expect(pics["PP.bmp"].meaning == "perpendicular", "the sign in line 1 is ⊥")
    ratio = r / f.dist("N", "P")
    for v in q["variants"]:
        m = re.fullmatch(r"AP=PO\. Знайдіть радіус кола, якщо NР=    (\d+)", _label(v, "Label14"))
        expect(m is not None and _image(v, "Image3") == "SpS\\sqrt.bmp", "NP = √n")
        radius = math.sqrt(int(m.group(1))) * ratio
        only_keyed(v, lambda o: _number(o) is not None and abs(float(_number(o)) - radius) < 1e-9)
    return "Q17: r / NP = %.6f from the figure's points; for every NP = √(3v²) only the keyed " \
           "option is the radius" % ratio


# ============================================================= question 18 (SS18)
F18 = (X + 1) / (X - 1)
# after "у=" in line 1 (top 16; the box top is 4)
PICTURES.append(inline("Q18.bmp", r"\dfrac{x+1}{x-1}", (127, 61), 16, 4, F18))
DERIVATIVES = [
    ("O1821.bmp", r"-\dfrac{2}{(x-1)^{2}}", -2 / (X - 1) ** 2),    # right
    ("O1822.bmp", r"\dfrac{2}{(x-1)^{2}}", 2 / (X - 1) ** 2),      # sign slip
    ("O1823.bmp", r"\dfrac{2x}{(x-1)^{2}}", 2 * X / (X - 1) ** 2),  # numerator added, not subtracted
    ("O1824.bmp", r"-\dfrac{2}{x-1}", -2 / (X - 1)),               # square lost
    ("O1825.bmp", r"-\dfrac{2}{(x+1)^{2}}", -2 / (X + 1) ** 2),    # wrong denominator squared
]
for _name, _tex, _d in DERIVATIVES:
    PICTURES.append(formula(_name, _tex, box=(149, 87), meaning=_d))


@check("SS18")
def _(q, pics):
    derivative = sp.diff(pics["Q18.bmp"].meaning, X)
    for v in q["variants"]:
        expect(_label(v, "Label1").endswith("у=") and _image(v, "Image1") == "SpS\\Q18.bmp",
               "y = Q18")
        only_keyed(v, lambda o: sp.simplify(pics[o].meaning - derivative) == 0)
    return "(%s)' = %s by sympy; only the keyed option picture equals it" % (
        pics["Q18.bmp"].meaning, sp.simplify(derivative))


# ============================================================= question 19 (SS19)
Q19_REL = (X - 2) / (X + 2) > 0
# at the end of line 1 (top 16; the box top is 0)
PICTURES.append(inline("Q19.bmp", r"\dfrac{x-2}{x+2}>0", (149, 87), 16, 0, Q19_REL))


def greatest_non_solution(rel):
    """The greatest integer that does not solve the inequality, or None."""
    sols = sp.solveset(rel, X, sp.S.Reals)
    rest = sp.Complement(sp.S.Reals, sols)
    if rest.is_empty:
        return None
    top = rest.sup
    if top == sp.oo:
        return None
    k = sp.floor(top)
    while k not in rest:
        k -= 1
    return k


@check("SS19")
def _(q, pics):
    rel = pics["Q19.bmp"].meaning
    answer = greatest_non_solution(rel)
    for v in q["variants"]:
        expect("НЕ є розвязком нерівності" in _label(v, "Label1"), "asks for a non-solution")
        only_keyed(v, lambda o: (_number(o) == answer) if answer is not None else o == "не існує")
    return "%s solved by sympy: the greatest integer outside its solution set is %s; only the " \
           "keyed option" % (rel, answer)
