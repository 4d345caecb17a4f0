"""Pictures and tables of Test 10, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re

import sympy as sp
from sympy.parsing.sympy_parser import parse_expr

from vztgen import (TINT, Table, bare, check, expect, figure, formula, graph, oblique, only_keyed,
                    shared)
from vztgen.common import (inline, keyed_value_only, meaning, number_option, numbers, same,
                           solves, text_value, variants)

x = sp.Symbol("x", real=True)
y = sp.Symbol("y", real=True)
D = sp.Symbol("d", positive=True)   # the distance given in question 17

PICTURES = []
TABLES = []


def _options(prefix, items, box):
    """The option pictures prefix1 ... prefix5, each showing one value:
    items are (tex, value), option 1 first."""
    return [number_option("%s%d.bmp" % (prefix, k), tex, value, box=box)
            for k, (tex, value) in enumerate(items, 1)]


def _words(name, lines, box, meaning):
    """An option picture that shows words (upright, one item a line)."""
    return formula(name, [r"\mathrm{%s}" % line.replace(" ", r"\ ") for line in lines], box=box,
                   meaning=meaning)


def _closes(a, b, eps=1e-9):
    return abs(a - b) < eps


def _cross(o, a, b):
    """(a - o) x (b - o) of plane points: 0 when o, a, b lie on one line."""
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])


def _area(f, names):
    """The area of the polygon `names` of figure f, from its coordinates."""
    p = [f.xy(n) for n in names]
    return abs(sum(_cross((0, 0), p[i], p[(i + 1) % len(p)]) for i in range(len(p)))) / 2


def _exact(value):
    """A measured length or area as the exact rational it stands for."""
    return sp.nsimplify(round(value, 9), rational=True)


def _number_in(v, label, pattern):
    """The whole number that `pattern` (one group) finds in a label."""
    m = re.search(pattern, v["labels"].get(label, ""))
    expect(m, "%s: %r is not in %s" % (label, pattern, v["labels"].get(label, "")))
    return int(m.group(1))


# ============================================================== question 1
# The table "VZT_14.txt": p, s, k. Vitya and Sashko collected in the ratio
# p : s (in lowest terms, p != s) p·k and s·k kg; the question gives p·k and
# asks for s·k (option 1). Wrong: s (the part for the mass), s·k + 2,
# "s·k + 3,5", s·k − 4. They differ from s·k and from one another and none is
# negative when k >= 2, s(k − 1) != 4 and s·k >= 4.


def _vzt14_ok(p, s, k):
    return (1 <= p <= 9 and 1 <= s <= 9 and p != s and math.gcd(p, s) == 1 and k >= 2
            and s * (k - 1) != 4 and s * k >= 4)


def vzt14_rows():
    rows = [(p, s, k) for p in range(1, 10) for s in range(1, 10) for k in range(2, 13)
            if _vzt14_ok(p, s, k)]
    random.Random(1014).shuffle(rows)
    return rows[:135]


TABLES.append(Table(
    "VZT_14.txt", columns=3, min_rows=135, rows=vzt14_rows, relation=lambda r: _vzt14_ok(*r),
    rule="c1 : c2 is a ratio in lowest terms of two different parts 1..9 and c3 >= 2 the "
         "factor (Vitya c1·c3 kg, Sashko c2·c3 kg); c2(c3 − 1) != 4 and c2·c3 >= 4, so the "
         "options c2·c3, c2, c2·c3 + 2, c2·c3 + 3,5, c2·c3 − 4 differ and none is negative; "
         "135 rows of the triples with 2 <= c3 <= 12 by a seeded shuffle"))


# ============================================================== question 2
# Q101: the angle AOB, its sides cut by the parallel lines a (through A`, B`)
# and b (through A``, B``). Equal marks on OB` and B`B`` give the data: by the
# theorem of Thales A`A`` : OA` = B`B`` : OB` = 1, so A`A`` = OA` = v
# (option 1). Wrong: 2v (OA``), v + 2, v/2, v − 3.


def _ray(deg, t):
    return (t * math.cos(math.radians(deg)), t * math.sin(math.radians(deg)))


def _past(p, q, t):
    """The point t·|pq| beyond q on the line pq."""
    return (q[0] + t * (q[0] - p[0]), q[1] + t * (q[1] - p[1]))


Q101_POINTS = {"O": (0, 0), "A'": _ray(30, 3), "A''": _ray(30, 6), "A": _ray(30, 8.4),
               "B'": _ray(-4, 3.9), "B''": _ray(-4, 7.8), "B": _ray(-4, 10.4)}
# the lines a and b run on past B` and B`` to their letters
Q101_POINTS.update({"_a": _past(Q101_POINTS["A'"], Q101_POINTS["B'"], 0.3),
                    "_b": _past(Q101_POINTS["A''"], Q101_POINTS["B''"], 0.3)})
Q101_MARKED = [("O", "B'"), ("B'", "B''")]    # one mark each: equal segments
PICTURES.append(figure(
    "Q101.bmp", points=Q101_POINTS,
    segments=[("O", "A"), ("O", "B"), ("A'", "_a"), ("A''", "_b")],
    labels={"_a": "a", "_b": "b"}, dots=["A'", "A''", "B'", "B''"],
    where={"B'": 235, "B''": 235},     # below the side, left of the lines a and b
    ticks=[(p, q, 1) for p, q in Q101_MARKED],
    box=(334, 237), proportional=True,
    meaning={"parallels": (("A'", "B'"), ("A''", "B''")), "sides": (("A'", "A''", "A"),
                                                                   ("B'", "B''", "B")),
             "equal": Q101_MARKED}))


@check("H2")
def _(q, pics):
    f = pics["Q101.bmp"]
    m = f.meaning
    (a1, b1), (a2, b2) = m["parallels"]
    expect(_closes(_cross((0, 0), [f.xy(b1)[i] - f.xy(a1)[i] for i in (0, 1)],
                          [f.xy(b2)[i] - f.xy(a2)[i] for i in (0, 1)]), 0),
           "Q101: the lines a and b are parallel")
    for side in m["sides"]:
        for p in side:
            expect(_closes(_cross(f.xy("O"), f.xy(side[-1]), f.xy(p)), 0),
                   "Q101: %s lies on the side O%s" % (p, side[-1]))
    expect([tuple(t[:2]) for t in f.ticks] == m["equal"], "Q101: the marks are on OB`, B`B``")
    (o, b1_), (_, b2_) = m["equal"]
    expect(_closes(f.dist(o, b1_), f.dist(b1_, b2_)), "Q101: the marked segments are equal")
    # Thales: the parallels cut OA in the ratio of the marked segments of OB.
    ratio = _exact(f.dist("B'", "B''") / f.dist("O", "B'"))
    expect(_closes(f.dist("A'", "A''"), float(ratio) * f.dist("O", "A'")),
           "Q101: A`A`` measured on the figure is %s·OA`" % ratio)
    for v in variants(q):
        oa = _number_in(v, "Label8", r"ОА`=(\d+)$")
        only_keyed(v, lambda t: same(text_value(t), ratio * oa), "A`A``", values=v["forms"])
    return "Q101: OB` = B`B`` marked, A`A`` = %s·OA` measured; exactly OA` is keyed (%d variants)" % (
        ratio, len(q["variants"]))


# ============================================================== question 4
# sin 22,5° cos 22,5° = sin 45° / 2 = √2/4. Wrong: √2/2 (the half lost),
# 1/4, √2, √3/4 (the sine of 60° for 45°).
PICTURES += _options("O104", [(r"\dfrac{\sqrt{2}}{4}", sp.sqrt(2) / 4),
                              (r"\dfrac{\sqrt{2}}{2}", sp.sqrt(2) / 2),
                              (r"\dfrac{1}{4}", sp.Rational(1, 4)),
                              (r"\sqrt{2}", sp.sqrt(2)),
                              (r"\dfrac{\sqrt{3}}{4}", sp.sqrt(3) / 4)], box=(92, 109))


@check("H4")
def _(q, pics):
    for v in variants(q):
        m = re.fullmatch(r"Обчисліть: sin (\d+),(\d)°cos (\d+),(\d)°", v["labels"]["Label1"])
        expect(m, "H4: sin a° cos b° in line 1")
        a, b = (sp.Rational(int(m.group(i) + m.group(i + 1)), 10) for i in (1, 3))
        keyed_value_only(pics, v, sp.sin(sp.rad(a)) * sp.cos(sp.rad(b)), "value")
    return "sin 22,5° cos 22,5° = √2/4 by sympy, exactly O1041 (keyed)"


# ============================================================== question 5
# Q105: a unit grid with the points (0; 1) and (3; −3). Only 3y + 4x = 3
# passes through both (3y − 4x = 3 through (0; 1) only).
Q105_POINTS = [(0, 1), (3, -3)]
PICTURES.append(graph(
    "Q105.bmp", curves=[], window=(-1.6, 4.6, -3.8, 2.0),
    points=[{"at": p, "guides": True} for p in Q105_POINTS], grid=True,
    box=(235, 186), proportional=True,
    meaning={"points": Q105_POINTS}))


def _equation(text):
    """ "3y+4x=3" as the expression lhs − rhs in x and y."""
    lhs, rhs = (re.sub(r"(\d)([xy])", r"\1*\2", side) for side in text.split("="))
    names = {"x": x, "y": y}
    return parse_expr(lhs, local_dict=names) - parse_expr(rhs, local_dict=names)


@check("H5")
def _(q, pics):
    g = pics["Q105.bmp"]
    points = [tuple(p["at"]) for p in g.points]
    expect(points == [tuple(p) for p in g.meaning["points"]], "Q105: the drawn points")
    for v in variants(q):
        only_keyed(v, lambda t: all(_equation(t).subs({x: px, y: py}) == 0 for px, py in points),
                   "line through both points", values=v["forms"])
    return "Q105: only the keyed 3y+4x=3 passes through (0; 1) and (3; -3)"


# ============================================================== questions 6 and 12
# "Обчисліть: " and an expression in a picture beside it; the keyed option is
# its value.


def _expression(unit, name, tex, box, expr):
    PICTURES.append(inline(name, tex, box=box, label_top=53, picture_top=9,
                           meaning=parse_expr(expr, evaluate=False)))

    @check(unit)
    def _(q, pics):
        value = sp.simplify(pics[name].meaning)
        for v in variants(q):
            keyed_value_only(pics, v, value, "value")
        return "%s = %s by sympy, exactly the keyed option" % (name, value)


# Q106: 6⁷ / (2⁶·3⁷) = 2. Wrong: 1/2 (turned over), 6, 3, 1.
_expression("H6", "Q106.bmp", r"\dfrac{6^{7}}{2^{6}\cdot 3^{7}}", (89, 110), "6**7/(2**6*3**7)")
PICTURES += _options("O106", [("2", 2), (r"\dfrac{1}{2}", sp.Rational(1, 2)), ("6", 6), ("3", 3),
                              ("1", 1)], box=(52, 62))

# Q1012: (√75 − √27)/√3 = 5 − 3 = 2. Wrong: 4 (√(75 − 27)/√3), 8 (5 + 3),
# 2√3 (not divided), 2√3/3 (multiplied by √3 for divided).
_expression("H12", "Q1012.bmp", r"\dfrac{\sqrt{75}-\sqrt{27}}{\sqrt{3}}", (207, 103),
            "(sqrt(75)-sqrt(27))/sqrt(3)")
PICTURES += _options("O1012", [("2", 2), ("4", 4), ("8", 8), (r"2\sqrt{3}", 2 * sp.sqrt(3)),
                               (r"\dfrac{2\sqrt{3}}{3}", 2 * sp.sqrt(3) / 3)], box=(99, 83))


# ============================================================== question 7
# The table "VZT_15.txt": r1, r2, r3, r4, V with V the value of
# |x − r4| − |r2 − r1·x| at x = −r3, that is (r3 + r4) − (r2 + r1·r3) for
# positive r's. The options V, V ± 1, V + 2, V − 3 always differ; r1 >= 2 so
# that the text never shows "1x".


def _vzt15_value(r1, r2, r3, r4):
    at = -r3
    return abs(at - r4) - abs(r2 - r1 * at)


def vzt15_rows():
    rows = [(r1, r2, r3, r4, _vzt15_value(r1, r2, r3, r4)) for r1 in range(2, 7)
            for r2 in range(1, 10) for r3 in range(1, 10) for r4 in range(1, 10)]
    random.Random(1015).shuffle(rows)
    return rows[:2016]


TABLES.append(Table(
    "VZT_15.txt", columns=5, min_rows=2016, rows=vzt15_rows,
    relation=lambda r: (2 <= r.c1 <= 6 and all(1 <= c <= 9 for c in r[1:4])
                        and r.c5 == _vzt15_value(*r[:4])),
    rule="c5 = |x − c4| − |c2 − c1·x| at x = −c3; 2 <= c1 <= 6, 1 <= c2, c3, c4 <= 9 (the "
         "five options c5, c5 + 1, c5 − 1, c5 + 2, c5 − 3 always differ); 2016 of the 3645 "
         "such rows by a seeded shuffle"))


# ============================================================== question 8
# Q108: the parallelogram ABCD, its area 98 as drawn (base AD = 14, height
# 7), K on the side BC, the triangle AKD shaded. AKD has the base AD and the
# height of the parallelogram: its area is 98/2 = 49. Wrong: 98, 24,5, 196,
# 73,5.
Q108_POINTS = {"A": (0, 0), "B": (4, 7), "C": (18, 7), "D": (14, 0), "K": (10, 7)}
PICTURES.append(figure(
    "Q108.bmp", points=Q108_POINTS,
    segments=[("A", "B"), ("B", "C"), ("C", "D"), ("D", "A"), ("A", "K"), ("K", "D")],
    fills=[(["A", "K", "D"], TINT)], box=(243, 165), proportional=True,
    meaning={"parallelogram": "ABCD", "triangle": "AKD", "K on": ("B", "C")}))
PICTURES += _options("O108", [("49", 49), ("98", 98), (r"24{,}5", sp.Rational(49, 2)),
                              ("196", 196), (r"73{,}5", sp.Rational(147, 2))], box=(155, 54))


@check("H8")
def _(q, pics):
    f = pics["Q108.bmp"]
    m = f.meaning
    expect(_closes(_cross(*(f.xy(p) for p in (m["K on"][0], m["K on"][1], "K"))), 0),
           "Q108: K lies on the line BC")
    whole, part = _area(f, m["parallelogram"]), _area(f, m["triangle"])
    for v in variants(q):
        area = _number_in(v, "Label1", r"дорівнює (\d+)\.")
        expect(_closes(whole, area), "Q108: ABCD is drawn with the area %d" % area)
        keyed_value_only(pics, v, area * _exact(part / whole), "area of AKD")
    return "Q108: S(AKD) = %s of S(ABCD) = 98 from the coordinates, 49 = O1081 (keyed)" % _exact(
        part / whole)


# ============================================================== question 9
# The ends of the sentence: the centre of the circumscribed circle of a right
# triangle is the midpoint of its hypotenuse. Each option means the point it
# names, as a function of the triangle ABC with the right angle at C.


def _mid(p, q):
    return sp.Point((p.x + q.x) / 2, (p.y + q.y) / 2)


PICTURES += [
    _words("O1091.bmp", ["середина", "гіпотенузи"], (158, 100), lambda A, B, C: _mid(A, B)),
    _words("O1092.bmp", ["точка перетину", "медіан"], (158, 100),
           lambda A, B, C: sp.Triangle(A, B, C).centroid),
    _words("O1093.bmp", ["точка перетину", "бісектрис"], (158, 100),
           lambda A, B, C: sp.Triangle(A, B, C).incenter),
    _words("O1094.bmp", ["вершина", "прямого кута"], (158, 100), lambda A, B, C: C),
    _words("O1095.bmp", ["середина", "більшого катета"], (158, 100),
           lambda A, B, C: max(_mid(A, C), _mid(B, C), key=lambda M: M.distance(C))),
]


@check("H9")
def _(q, pics):
    triangles = [(sp.Point(a, 0), sp.Point(0, b), sp.Point(0, 0)) for a, b in ((4, 3), (5, 12))]
    centres = [sp.Triangle(*t).circumcenter for t in triangles]
    for t, c in zip(triangles, centres):
        expect(len({t[0].distance(c), t[1].distance(c), t[2].distance(c)}) == 1,
               "H9: the circumcentre is equidistant from the vertices")
    for v in variants(q):
        only_keyed(v, lambda o: all(meaning(pics, o)(*t) == c for t, c in zip(triangles, centres)),
                   "centre of the circumscribed circle")
    return "right triangles 3-4-5 and 5-12-13: only O1091 (keyed) names the circumcentre"


# ============================================================== question 11
# Q1011: the rectangle ABCD (AB = 10, AD = 13 as drawn: perimeter 46) cut by
# ML ⊥ NK, meeting at O, into ANOL, NBMO, OMCK and LOKD. Each side of ABCD
# is a side of two small rectangles and each cut is a side of all four: the
# perimeters add up to 2·46 = 92 cm. Wrong: 46, 184, 69, 23 cm.
Q1011_POINTS = {"A": (0, 0), "B": (0, 10), "C": (13, 10), "D": (13, 0), "N": (0, 6),
                "K": (13, 6), "M": (5, 10), "L": (5, 0), "O": (5, 6)}
Q1011_PARTS = ("ANOL", "NBMO", "OMCK", "LOKD")
PICTURES.append(figure(
    "Q1011.bmp", points=Q1011_POINTS,
    segments=[("A", "B"), ("B", "C"), ("C", "D"), ("D", "A"), ("M", "L"), ("N", "K")],
    right_angles=[("K", "O", "M")],
    # narrower than its 302 x 217 box: the window's "X" stands over the
    # box's right part
    box=(256, 217), proportional=True,
    meaning={"whole": "ABCD", "parts": Q1011_PARTS}))
PICTURES += _options("O1011", [(r"%d\ \mathrm{см}" % n, n) for n in (92, 46, 184, 69, 23)],
                     box=(163, 49))


def _perimeter(f, names):
    return sum(f.dist(names[i], names[(i + 1) % len(names)]) for i in range(len(names)))


def _rectangle(f, names):
    return all(_closes(f.angle(names[i - 1], names[i], names[(i + 1) % 4]), 90) for i in range(4))


@check("H11")
def _(q, pics):
    f = pics["Q1011.bmp"]
    m = f.meaning
    expect(all(_rectangle(f, r) for r in (m["whole"],) + m["parts"]), "Q1011: five rectangles")
    expect(_closes(sum(_area(f, r) for r in m["parts"]), _area(f, m["whole"])),
           "Q1011: the four rectangles fill ABCD")
    ratio = _exact(sum(_perimeter(f, r) for r in m["parts"]) / _perimeter(f, m["whole"]))
    for v in variants(q):
        given = _number_in(v, "Label9", r"ABCD дорівнює (\d+) см")
        expect(_closes(_perimeter(f, m["whole"]), given), "Q1011: ABCD drawn with perimeter 46")
        keyed_value_only(pics, v, ratio * given, "sum of the perimeters")
    return "Q1011: the four perimeters add up to %s·P(ABCD) = 92 cm, O10111 (keyed)" % ratio


# ============================================================== question 13
# Q1013: the box ABCDA1B1C1D1 with AB = 5, BC = 4, AA1 = 10 (x right, y up,
# z depth; ABCD the lower face). The distance from D to the plane of the top
# face A1B1C1 is the height AA1 = 10. Wrong: 5, 4, 5√5 (DC1), √141 (DB1).
Q1013_BOX = {"A": (0, 0, 0), "B": (5, 0, 0), "C": (5, 0, 4), "D": (0, 0, 4),
             "A1": (0, 10, 0), "B1": (5, 10, 0), "C1": (5, 10, 4), "D1": (0, 10, 4)}
PICTURES.append(figure(
    "Q1013.bmp", points={k: oblique(p) for k, p in Q1013_BOX.items()},
    segments=[("A", "B"), ("B", "C"), ("A", "A1"), ("B", "B1"), ("C", "C1"), ("A1", "B1"),
              ("B1", "C1"), ("C1", "D1"), ("D1", "A1")],
    hidden=[("A", "D"), ("D", "C"), ("D", "D1")],
    where={"B1": 225, "D": 45},     # inside the faces, clear of the edges
    # narrower than its 239 x 215 box: the window's "X" stands over the
    # box's right part
    box=(218, 215), proportional=True,
    meaning={"box": Q1013_BOX, "point": "D", "plane": ("A1", "B1", "C1")}))
PICTURES += _options("O1013", [("10", 10), ("5", 5), ("4", 4), (r"5\sqrt{5}", 5 * sp.sqrt(5)),
                               (r"\sqrt{141}", sp.sqrt(141))], box=(87, 56))


@check("H13")
def _(q, pics):
    m = pics["Q1013.bmp"].meaning
    P = {k: sp.Point3D(*c) for k, c in m["box"].items()}
    plane = sp.Plane(*(P[k] for k in m["plane"]))
    distance = plane.distance(P[m["point"]])
    for v in variants(q):
        expect(v["labels"]["Label14"].startswith("Знайдіть відстань від точки D до площини А В С")
               and v["labels"]["Label9"] == "1  1   1", "H13: the plane A1B1C1 and the point D")
        ab, bc, aa1 = numbers(v["labels"]["Label8"])
        expect((ab, bc, aa1) == (P["A"].distance(P["B"]), P["B"].distance(P["C"]),
                                 P["A"].distance(P["A1"])), "Q1013: AB, BC, AA1 of the text")
        keyed_value_only(pics, v, distance, "distance")
    return "Q1013: the distance from D to A1B1C1 is %s from the box's coordinates, O10131" % distance


# ============================================================== question 14
# Of the five equations only √(x − 1) = −2 has no roots (a root is never
# negative); each of the others looks as if it had none (a negative right
# side) but has roots.
PICTURES += [formula(name, tex, box=(179, 108), meaning=eq) for name, tex, eq in (
    ("O10141.bmp", r"\sqrt{x-1}={-2}", sp.Eq(sp.sqrt(x - 1), -2)),
    ("O10142.bmp", r"x^2={-x}", sp.Eq(x ** 2, -x)),
    ("O10143.bmp", r"2^x=\dfrac{1}{4}", sp.Eq(2 ** x, sp.Rational(1, 4))),
    ("O10144.bmp", r"\log_2 x={-3}", sp.Eq(sp.log(x, 2), -3)),
    ("O10145.bmp", r"\cos x={-1}", sp.Eq(sp.cos(x), -1)),
)]


@check("H14")
def _(q, pics):
    def rootless(o):
        eq = meaning(pics, o)
        solutions = sp.solveset(eq, x, sp.S.Reals)
        if solutions == sp.S.EmptySet:
            return True
        # a root that sympy lists does solve the equation
        first = solutions.args[0] if isinstance(solutions, sp.Union) else solutions
        some = next(iter(first)) if isinstance(first, sp.FiniteSet) else first.lamda(0)
        expect(solves(eq, some), "%s: %s is no root" % (o, some))
        return False

    for v in variants(q):
        only_keyed(v, rootless, "equation without roots")
    return "sympy: only O10141 (keyed) has no real roots; O10142-O10145 each have roots"


# ============================================================== question 16
# Q1016: x² + x − 6 > 0, that is (x + 3)(x − 2) > 0: (−∞; −3) ∪ (2; +∞),
# the picture O735 that Test 7 describes. Wrong: (−3; 2) (the sign turned),
# the same with the ends included, (−∞; −2) ∪ (3; +∞) and (−2; 3) (the
# roots with the wrong signs).
PICTURES.append(inline("Q1016.bmp", r"x^2+x-6>0", box=(155, 49), label_top=53, picture_top=40,
                       meaning=x ** 2 + x - 6 > 0))
_oo = sp.oo
PICTURES += [formula(name, tex, box=(164, 74), meaning=s) for name, tex, s in (
    ("O10162.bmp", r"(-3;\,2)", sp.Interval.open(-3, 2)),
    ("O10163.bmp", r"(-\infty;\,{-3}]\cup[2;\,{+\infty})",
     sp.Union(sp.Interval(-_oo, -3), sp.Interval(2, _oo))),
    ("O10164.bmp", r"(-\infty;\,{-2})\cup(3;\,{+\infty})",
     sp.Union(sp.Interval.open(-_oo, -2), sp.Interval.open(3, _oo))),
    ("O10165.bmp", r"(-2;\,3)", sp.Interval.open(-2, 3)),
)]
PICTURES.append(shared("O735.bmp"))


def _same_set(a, b):
    return sp.Complement(a, b) == sp.S.EmptySet and sp.Complement(b, a) == sp.S.EmptySet


@check("H16")
def _(q, pics):
    solutions = sp.solveset(pics["Q1016.bmp"].meaning, x, sp.S.Reals)
    for v in variants(q):
        expect(bare(v["options"][v["right"] - 1]) == "O735.bmp", "H16: O735 is the right option")
        only_keyed(v, lambda o: _same_set(meaning(pics, o), solutions), "solution set")
    return "Q1016 solved by sympy: %s, exactly O735 (keyed, shared with Test 7)" % solutions


# ============================================================== question 17
# Q10171, Q10172: the names α and β of the planes; Q10173: the given distance
# d. Q10174: the plane β (horizontal) and the plane α rising from their line
# of intersection at 60°; A in α, H its foot on β, K its foot on the line.
# AH = d, the angle AKH is the angle between the planes, so
# AK = d / sin 60° = 2d/√3. Wrong: d√3/2 (times the sine), 2d (the sine of
# 30°), d/2, d√3 (the tangent).
# Space: x right, y up, z depth (drawn receding to the upper left); the
# planes meet along the z-axis.
_COS, _SIN = sp.Rational(1, 2), sp.sqrt(3) / 2     # of 60°, exact
Q10174_SPACE = {
    "_b1": (-3, 0, 0), "_b2": (7, 0, 0), "_b3": (7, 0, 10), "_b4": (-3, 0, 10),     # β
    "_e1": (0, 0, 0), "_e2": (0, 0, 10),                                              # the line
    "_a3": (5 * _COS, 5 * _SIN, 10), "_a4": (5 * _COS, 5 * _SIN, 0),                  # α
    "A": (4 * _COS, 4 * _SIN, 5), "H": (4 * _COS, 0, 5), "K": (0, 0, 5),
}
# The small pictures are narrower or lower than their boxes where the box
# would reach past its gap with this font's blanks: α 36 px (its second box
# ends on the comma of line 2), β 30 px (its second box would cover "на"),
# d 56 px high (its box reaches down into line 4).
PICTURES += [
    inline("Q10171.bmp", r"\alpha", box=(36, 52), label_top=13, picture_top=5, align="center",
           meaning="alpha"),
    inline("Q10172.bmp", r"\beta", box=(30, 52), label_top=13, picture_top=5, align="center",
           meaning="beta"),
    inline("Q10173.bmp", r"d.", box=(134, 56), label_top=112, picture_top=99, align="right",
           meaning=D),
    figure("Q10174.bmp",
           points={k: oblique(tuple(float(c) for c in p), angle=135)
                   for k, p in Q10174_SPACE.items()},
           segments=[("_b1", "_b2"), ("_b2", "_b3"), ("_b3", "_b4"), ("_b4", "_b1"),
                     ("_e1", "_e2"), ("_e1", "_a4"), ("_a4", "_a3"), ("_a3", "_e2"),
                     ("A", "H"), ("A", "K"), ("K", "H")],
           right_angles=[("A", "H", "K")], angles=[("H", "K", "A", 1, "60°")],
           texts=[(5.0, 0.9, r"$\beta$"), (1.4, 4.4, r"$\alpha$")],
           # narrower than its 394 x 187 box: the window's "X" stands over
           # the box's right part
           box=(326, 187), proportional=True,
           meaning={"space": Q10174_SPACE, "alpha": ("_e1", "_e2", "_a4"),
                    "beta": ("_b1", "_b2", "_b3"), "line": ("_e1", "_e2"), "point": "A",
                    "angle": 60}),
]
PICTURES += _options("O1017", [(r"\dfrac{2d}{\sqrt{3}}", 2 * D / sp.sqrt(3)),
                               (r"\dfrac{d\sqrt{3}}{2}", D * sp.sqrt(3) / 2),
                               ("2d", 2 * D), (r"\dfrac{d}{2}", D / 2),
                               (r"d\sqrt{3}", D * sp.sqrt(3))], box=(134, 59))


@check("H17")
def _(q, pics):
    m = pics["Q10174.bmp"].meaning
    P = {k: sp.Point3D(*p) for k, p in m["space"].items()}
    alpha = sp.Plane(*(P[k] for k in m["alpha"]))
    beta = sp.Plane(*(P[k] for k in m["beta"]))
    line = sp.Line3D(*(P[k] for k in m["line"]))
    expect(alpha.intersection(beta)[0].is_similar(line), "Q10174: α and β meet along the line")
    expect(alpha.distance(P[m["point"]]) == 0, "Q10174: A lies in α")
    angle = sp.deg(alpha.angle_between(beta))
    expect(sp.simplify(angle - m["angle"]) == 0 or sp.simplify(180 - angle - m["angle"]) == 0,
           "Q10174: the planes meet at 60°")
    ratio = sp.simplify(line.distance(P[m["point"]]) / beta.distance(P[m["point"]]))
    for v in variants(q):
        expect(_number_in(v, "Label1", r"дорівнює (\d+)°") == m["angle"], "H17: 60° in the text")
        expect([bare(v["images"][b]) for b in ("Image1", "Image8", "Image9", "Image10",
                                               "Image11", "Image12", "Image13")]
               == ["Q10171.bmp", "Q10172.bmp", "Q10171.bmp", "Q10172.bmp", "Q10173.bmp",
                   "Q10171.bmp", "Q10172.bmp"], "H17: α, β and d stand in their gaps")
        given = pics["Q10173.bmp"].meaning
        only_keyed(v, lambda o: sp.simplify(meaning(pics, o) - ratio * given) == 0,
                   "distance to the line")
    return "Q10174: AK = %s·d from the planes' coordinates, O10171 (keyed)" % ratio


# ============================================================== question 18
# A ball of diameter 6 m: V = 4/3·π·3³ = 36π m³. Wrong: 288π (the diameter
# for the radius), 108π (4πr³), 27π (πr³), 9π (πr²).
PICTURES += _options("O1018", [(r"%d\pi\ \mathrm{м}^3" % n, n * sp.pi)
                               for n in (36, 288, 108, 27, 9)], box=(172, 54))


@check("H18")
def _(q, pics):
    for v in variants(q):
        diameter = _number_in(v, "Label1", r"дорівнює (\d+) м$")
        keyed_value_only(pics, v, sp.Rational(4, 3) * sp.pi * (sp.Rational(diameter, 2)) ** 3,
                         "volume")
    return "V = 4/3·π·3³ = 36π by sympy, exactly O10181 (keyed)"


# ============================================================== question 20
# Q1020: the graph of y = −|x| + 2, so a = −1 < 0 and b = 2 > 0: O6201
# (described with Test 5, where it is right too).
Q1020_F = -sp.Abs(x) + 2
PICTURES.append(graph("Q1020.bmp", curves=[sp.lambdify(x, Q1020_F, "numpy")],
                      window=(-3.4, 3.4, -2.2, 3.0), box=(216, 213), proportional=True,
                      meaning={"f": Q1020_F}))
PICTURES += [shared("O62%02d.bmp" % k) for k in range(1, 6)]


@check("H20")
def _(q, pics):
    g = pics["Q1020.bmp"]
    f = g.f
    b = float(f(0.0))
    a = float(f(1.0)) - b
    x0, x1 = g.window[:2]
    for i in range(201):
        at = x0 + (x1 - x0) * i / 200
        expect(_closes(float(f(at)), a * abs(at) + b), "Q1020: the graph is y = a|x| + b")
    signs = {"a": int(sp.sign(_exact(a))), "b": int(sp.sign(_exact(b)))}
    for v in variants(q):
        expect(v["labels"]["Label1"].endswith("y=a\x05x\x05+b"), "H20: the text names y=a|x|+b")
        only_keyed(v, lambda o: meaning(pics, o) == signs, "signs of a and b")
    return "Q1020: a = %g, b = %g from the graph; only O6201 (keyed, shared) says a<0, b>0" % (a, b)
