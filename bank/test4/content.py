"""Pictures and tables of Test 4, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re

import sympy as sp

from matplotlib.patches import Arc

from vztgen import (INK, Table, bare, check, expect, figure, formula, graph, oblique,
                    only_keyed, shared)
from vztgen import draw as d
from vztgen.common import (inline, keyed_value_only, meaning, number_option, same,
                           signed_numbers, text_value, variants)

x = sp.Symbol("x", real=True)
y = sp.Symbol("y", real=True)
pi = sp.pi
oo = sp.oo

PICTURES = []
TABLES = []
THIN = 0.7 * 1.4      # the width of the figures' angle marks (pt)

# ============================================================== shared with other tests
# These option pictures serve in other tests too; their values are fixed here
# and every question that shows them checks them.
#
# O4133 (2√2): a wrong option of question 13 (the distance there is 1) and the
# right option of Test 5 question 15 (the shorter diagonal of a parallelogram
# with sides 2√2 and 4 and an angle of 45°: 8 + 16 − 2·2√2·4·cos 45° = 8).
PICTURES.append(number_option("O4133.bmp", r"2\sqrt{2}", 2 * sp.sqrt(2), box=(94, 68)))

# O4151-O4155: angles in degrees. O4151 (60°) is right in question 15 (the
# dihedral angle at a base edge: sin φ = 2√3/4) and in Test 7 question 16 (the
# lateral edge and the base: tg φ = SO/BO = 4√3/4). Wrong: 30° (sine and
# cosine, or tangent and cotangent, confused), 45°, arctg(√3/2) (h over the
# apothem taken for a tangent), arctg(2√3/3) (SO over the whole height BN).
ANGLE_OPTIONS = {
    "O4151.bmp": (r"60^\circ", sp.Integer(60)),
    "O4152.bmp": (r"30^\circ", sp.Integer(30)),
    "O4153.bmp": (r"45^\circ", sp.Integer(45)),
    "O4154.bmp": (r"\mathrm{arctg}\,\dfrac{\sqrt{3}}{2}", sp.atan(sp.sqrt(3) / 2) * 180 / sp.pi),
    "O4155.bmp": (r"\mathrm{arctg}\,\dfrac{2\sqrt{3}}{3}",
                  sp.atan(2 * sp.sqrt(3) / 3) * 180 / sp.pi),
}
PICTURES += [number_option(name, tex, value, box=(163, 69))
             for name, (tex, value) in ANGLE_OPTIONS.items()]


# ============================================================== helpers
def options(specs, box):
    """Option pictures {name: (tex, meaning)} in boxes of one size."""
    return [formula(name, tex, box=box, meaning=sp.sympify(value))
            for name, (tex, value) in specs.items()]


def solution_set(relation):
    """The solutions of an inequality in x where sympy can find them, else None."""
    s = sp.solveset(relation, x, sp.S.Reals)
    return None if s.has(sp.ConditionSet) else s


def agrees(relation, s, points=800):
    """The relation holds exactly on the set s: tested at many points and just
    inside and outside every end of s (where the relation is undefined it
    does not hold)."""
    f = sp.lambdify(x, relation, "math")
    ends = {float(e) for e in s.boundary if e.is_finite}
    probes = [-30 + 60 * i / points for i in range(points + 1)]
    probes += [e + d for e in ends for d in (-1e-7, 0.0, 1e-7)]

    def holds(v):
        try:
            return bool(f(v))
        except (ValueError, ZeroDivisionError, TypeError):
            return False
    return all(holds(v) == bool(s.contains(sp.Rational(v))) for v in probes)


def only_keyed_set(q, pics, relation, what):
    """In every variant exactly the keyed option picture is the solution set."""
    exact = solution_set(relation)
    expect(exact is None or agrees(relation, exact),
           "%s: sympy's set %s fails at a probe" % (what, exact))
    for v in variants(q):
        only_keyed(v, lambda o: (exact is None or meaning(pics, o) == exact)
                   and agrees(relation, meaning(pics, o)), what)
    return exact if exact is not None else "(checked at probes)"


def only_keyed_function(pics, v, f, what):
    """Exactly the keyed option picture means the expression f (for every x)."""
    only_keyed(v, lambda o: sp.simplify(meaning(pics, o) - f) == 0, what)


def line_picture(name, tex, box, label_top, picture_top, value, align="left"):
    """A formula that stands in its question line (see vztgen.common.inline)."""
    return inline(name, tex, box=box, label_top=label_top, picture_top=picture_top,
                  meaning=value, align=align)


def drawn_as(fig, space, view):
    """Each point of a solid's figure stands where the view projects it."""
    for k, p in space.items():
        expect(max(abs(a - b) for a, b in zip(fig.xy(k), view(p))) < 1e-9,
               "%s: %s is drawn where the solid puts it" % (fig.name, k))


def image_is(v, box, name):
    return bare(v["images"].get(box, "")) == name


# ============================================================== question 1
# Q1: 2x − 3y = 6, so y = 2x/3 − 2 (OO1). Wrong: the sign of the free term
# (OO2), both signs (OO3), the coefficients inverted (OO4), 3y = 2x − 6 left
# undivided (OO5).
Q1_CONDITION = sp.Eq(2 * x - 3 * y, 6)
PICTURES.append(line_picture("Q1.bmp", r"2x-3y=6", (112, 62), 21, 12, Q1_CONDITION,
                             align="center"))
PICTURES += options({
    "OO1.bmp": (r"\dfrac{2x}{3}-2", 2 * x / 3 - 2),
    "OO2.bmp": (r"\dfrac{2x}{3}+2", 2 * x / 3 + 2),
    "OO3.bmp": (r"2-\dfrac{2x}{3}", 2 - 2 * x / 3),
    "OO4.bmp": (r"\dfrac{3x}{2}-3", 3 * x / 2 - 3),
    "OO5.bmp": (r"2x-6", 2 * x - 6),
}, (115, 65))


@check("M1")
def _(q, pics):
    y_of_x = sp.solve(pics["Q1.bmp"].meaning, y)
    expect(len(y_of_x) == 1, "Q1: the condition gives one y")
    for v in variants(q):
        only_keyed_function(pics, v, y_of_x[0], "y")
    return "Q1: y = %s by sympy, exactly OO1 (keyed)" % y_of_x[0]


# ============================================================== questions 2 and 9
# Q2: (x + 3)/(x − 2) ≤ 0, that is [−3; 2) (O41). Wrong: 2 taken in, where
# the denominator is zero (O42), the ends swapped (O43, O44), the sign
# reversed (O45).
# Q94: log_0,2 (x + 3) ≥ −1, that is 0 < x + 3 ≤ 5: (−3; 2] (O494). Wrong:
# the end −3 taken in, where the logarithm is undefined (O42, also option 2
# of question 2), the domain forgotten (O493), the sign kept although the
# base is less than 1 (O491), a strict inequality (O495).
Q2_RELATION = (x + 3) / (x - 2) <= 0
Q9_RELATION = sp.log(x + 3) / sp.log(sp.Rational(1, 5)) >= -1
PICTURES.append(line_picture("Q2.bmp", r"\dfrac{x+3}{x-2}\leq 0", (101, 87), 41, 12, Q2_RELATION))
PICTURES.append(line_picture("Q94.bmp", r"\log_{0{,}2}(x+3)\geq{-1}", (177, 63), 19, 4,
                             Q9_RELATION))
I = sp.Interval
PICTURES += options({
    "O41.bmp": (r"[-3;\,2)", I.Ropen(-3, 2)),
    "O43.bmp": (r"(-3;\,2)", I.open(-3, 2)),
    "O44.bmp": (r"(-3;\,2]", I.Lopen(-3, 2)),
    "O45.bmp": ([r"(-\infty;\,{-3}]\,\cup", r"\cup\,(2;\,{+\infty})"],
                sp.Union(I(-oo, -3), I.open(2, oo))),
}, (115, 65))
PICTURES += options({
    "O42.bmp": (r"[-3;\,2]", I(-3, 2)),       # fits the smaller boxes of question 9
    "O494.bmp": (r"(-3;\,2]", I.Lopen(-3, 2)),
    "O493.bmp": (r"(-\infty;\,2]", I(-oo, 2)),
    "O491.bmp": (r"[2;\,{+\infty})", I(2, oo)),
    "O495.bmp": (r"(-3;\,2)", I.open(-3, 2)),
}, (109, 47))


@check("M2")
def _(q, pics):
    s = only_keyed_set(q, pics, pics["Q2.bmp"].meaning, "solution set")
    return "Q2: %s by sympy; only O41 (keyed) shows it, O42 includes the pole" % s


@check("M9")
def _(q, pics):
    s = only_keyed_set(q, pics, pics["Q94.bmp"].meaning, "solution set")
    return "Q94: %s by sympy; only O494 (keyed) shows it, O42 includes -3" % s


# ============================================================== question 3
# Q43: the vector 2a − 3b; Q43b and Q43c name a and b before their
# coordinates. The table "VZT_7.txt" holds a, b and r = 2a − 3b, computed
# from the same terms. The five options are permutations of r, so only rows
# with r1, r2, r3 pairwise different are kept. The coordinates of a and b are
# single digits, and a has one or two negative coordinates: then the text
# "(a1;a2;a3)," ends where the name of b (a fixed picture) stands well
# inside the seven blanks after it.
Q43_TERMS = {"a": 2, "b": -3}


def combination_tex(terms):
    out = ""
    for name, k in terms.items():
        sign = "-" if k < 0 else ("+" if out else "")
        out += sign + ("" if abs(k) == 1 else str(abs(k))) + r"\vec{%s}" % name
    return out


def combination(terms, a, b):
    vec = {"a": a, "b": b}
    return tuple(sum(k * vec[n][i] for n, k in terms.items()) for i in range(3))


PICTURES += [
    # 132 of its box's 138 px: the comma after the run of blanks stays visible
    line_picture("Q43.bmp", combination_tex(Q43_TERMS), (132, 44), 41, 33, Q43_TERMS,
                 align="center"),
    line_picture("Q43b.bmp", r"\vec{a}", (19, 40), 41, 33, "a", align="center"),
    line_picture("Q43c.bmp", r"\vec{b}", (20, 32), 41, 39, "b", align="center"),
]
VZT7_ROWS = 28140


def vzt7_relation(r):
    a, b, res = tuple(r[0:3]), tuple(r[3:6]), tuple(r[6:9])
    return (res == combination(Q43_TERMS, a, b) and len(set(res)) == 3
            and all(-9 <= c <= 9 for c in r[:6]) and sum(c < 0 for c in a) in (1, 2)
            and any(b))


def vzt7_rows():
    rnd = random.Random(407)
    rows, seen = [], set()
    while len(rows) < VZT7_ROWS:
        ab = tuple(rnd.randint(-9, 9) for _ in range(6))
        row = ab + combination(Q43_TERMS, ab[0:3], ab[3:6])
        if ab not in seen and vzt7_relation(row):
            seen.add(ab)
            rows.append(row)
    return rows


TABLES.append(Table(
    "VZT_7.txt", columns=9, min_rows=VZT7_ROWS, rows=vzt7_rows, relation=vzt7_relation,
    rule="c1..c3 = a, c4..c6 = b (digits -9..9, a with one or two negative coordinates so the "
         "name of b stands in its blanks, b not zero, rows pairwise different); (c7, c8, c9) = "
         "2a − 3b, the vector Q43.bmp shows, with c7, c8, c9 pairwise different (the five "
         "permuted options differ)"))


@check("M3")
def _(q, pics):
    terms = pics["Q43.bmp"].meaning
    for v in variants(q):
        expect(image_is(v, "Image7", "Q43b.bmp") and image_is(v, "Image2", "Q43c.bmp"),
               "M3: the names of a and b stand before their coordinates")
        expect(pics["Q43b.bmp"].meaning == "a" and pics["Q43c.bmp"].meaning == "b",
               "M3: Q43b names a, Q43c names b")
        n = signed_numbers(v["labels"]["Label1"])
        expect(len(n) == 6, "M3: two vectors of three coordinates")
        want = "(%d;%d;%d)" % combination(terms, n[0:3], n[3:6])
        only_keyed(v, lambda f: f == want, "coordinates", values=v["forms"])
    return "Q43 (%s): from the shown a and b, exactly the keyed option (%d variants)" % (
        combination_tex(terms), len(q["variants"]))


# ============================================================== question 4
# Q44: the triangle ABC with the angle B = 110° marked, and the bisector AK
# of the angle A (its two halves marked alike, an arc with a tick each).
# Drawn with A = 40°; the text gives the half angle CAK, so that
# C = 180° − 110° − 2·CAK.
Q44_A, Q44_B = 40, 110
_C = math.radians(180 - Q44_A - Q44_B)
_a = math.radians(Q44_A)
_xB = math.tan(_C) / (math.tan(_a) + math.tan(_C))      # the height from B meets AC
Q44_POINTS = {"A": (0.0, 0.0), "C": (1.0, 0.0), "B": (_xB, _xB * math.tan(_a))}
_t = math.tan(_a / 2) / (Q44_POINTS["B"][1] - math.tan(_a / 2) * (_xB - 1))
Q44_POINTS["K"] = (1 + _t * (_xB - 1), _t * Q44_POINTS["B"][1])    # AK meets BC


def _halves(ax, m):
    """An arc with a tick in each half of the angle A."""
    A = m.xy(Q44_POINTS["A"])
    r = 34
    for lo, hi in ((0, Q44_A / 2), (Q44_A / 2, Q44_A)):
        ax.add_patch(Arc(A, 2 * r, 2 * r, theta1=lo, theta2=hi, edgecolor=INK, lw=THIN))
        mid = math.radians((lo + hi) / 2)
        d.line(ax, [(A[0] + (r - 5) * math.cos(mid), A[1] + (r - 5) * math.sin(mid)),
                    (A[0] + (r + 5) * math.cos(mid), A[1] + (r + 5) * math.sin(mid))],
               width=THIN)


PICTURES.append(figure(
    "Q44.bmp", points={k: (3 * p[0], 3 * p[1]) for k, p in Q44_POINTS.items()},
    segments=[("A", "B"), ("B", "C"), ("C", "A"), ("A", "K")],
    angles=[("A", "B", "C", 1, "110°")], extra=_halves,
    box=(323, 130), proportional=True, meaning={"B": Q44_B}))


@check("M4")
def _(q, pics):
    f = pics["Q44.bmp"]
    B = f.angle("A", "B", "C")
    expect(abs(B - f.meaning["B"]) < 1e-9, "Q44: the angle B is drawn %s°" % f.meaning["B"])
    expect(abs(f.angle("B", "A", "K") - f.angle("K", "A", "C")) < 1e-9, "Q44: AK bisects A")
    expect(abs(f.dist("B", "K") + f.dist("K", "C") - f.dist("B", "C")) < 1e-9, "Q44: K on BC")
    for v in variants(q):
        half = signed_numbers(v["labels"]["Label14"])[-1]
        C = 180 - f.meaning["B"] - 2 * half
        only_keyed(v, lambda o: same(text_value(o.rstrip("°")), C), "angle C", values=v["forms"])
    return "Q44: B = %g° from the figure; C = 70° − 2·CAK is exactly the keyed option" % B


# ============================================================== question 5
# Q45: 2⁷·3⁵/6⁵ = 2² = 4 (O451). Wrong: 2, 8, 6 and 1/4.
Q45_VALUE = sp.Mul(2 ** 7, 3 ** 5, sp.Pow(6 ** 5, -1), evaluate=False)
PICTURES.append(line_picture("Q45.bmp", r"\dfrac{2^7\cdot 3^5}{6^5}", (92, 105), 48, 12,
                             Q45_VALUE, align="center"))
PICTURES += options({
    "O451.bmp": (r"4", 4), "O452.bmp": (r"2", 2), "O453.bmp": (r"8", 8), "O454.bmp": (r"6", 6),
    "O455.bmp": (r"\dfrac{1}{4}", sp.Rational(1, 4)),
}, (115, 65))


@check("M5")
def _(q, pics):
    value = sp.simplify(pics["Q45.bmp"].meaning)
    for v in variants(q):
        keyed_value_only(pics, v, value, "value")
    return "Q45 = %s by sympy, exactly O451 (keyed)" % value


# ============================================================== question 7
# Five graphs on the same window: y = (x³ − 3x)/2 is odd (O471); y = x² − 3
# is even (O472); y = (x³ − 3x)/2 + 2 is the odd graph moved up (O473);
# y = 2^x − 3 (O474) and y = |x + 1| − 3 (O475) are neither. No curve runs
# through the letters and numbers by the axes.
O47_WINDOW = (-4, 4, -4, 4)
O47 = {"O471.bmp": (x ** 3 - 3 * x) / 2, "O472.bmp": x ** 2 - 3,
       "O473.bmp": (x ** 3 - 3 * x) / 2 + 2, "O474.bmp": 2 ** x - 3,
       "O475.bmp": sp.Abs(x + 1) - 3}
PICTURES += [graph(name, curves=[sp.lambdify(x, f, "numpy")], window=O47_WINDOW, grid=True,
                   box=(311, 254), proportional=True, meaning={"f": f})
             for name, f in O47.items()]


def is_odd_graph(g):
    """The drawn function is odd: its formula by sympy, on a window symmetric
    about O, and the drawn curve is the formula."""
    f = g.meaning["f"]
    for xv in (-3.5, -1.3, 0.4, 2.2):
        expect(abs(float(g.f(xv)) - float(f.subs(x, xv))) < 1e-9, "%s draws its formula" % g.name)
    symmetric = g.window[0] == -g.window[1] and "domain" not in g.curves[0]
    return symmetric and sp.simplify(f.subs(x, -x) + f) == 0


def visibly_not_odd(g):
    """Some x of the window where f(−x) and −f(x) differ by a unit or more,
    both points inside the window."""
    f = sp.lambdify(x, g.meaning["f"], "math")
    x0, x1, y0, y1 = g.window
    for i in range(1, 80):
        xv = x1 * i / 80
        a, b = f(xv), f(-xv)
        if y0 < a < y1 and y0 < b < y1 and abs(a + b) >= 1:
            return True
    return y0 < f(0) < y1 and abs(f(0)) >= 0.5


@check("M7")
def _(q, pics):
    for v in variants(q):
        only_keyed(v, lambda o: is_odd_graph(pics[bare(o)]), "odd graph")
        for o in v["options"]:
            if o != v["options"][v["right"] - 1]:
                expect(visibly_not_odd(pics[bare(o)]), "%s is visibly not odd" % o)
    return "O471 (keyed) is odd by sympy; O472-O475 each visibly not (f(-x) != -f(x))"


# ============================================================== question 8
# Q48: y = x³·cos x; y' = 3x²·cos x − x³·sin x (O481). Wrong: the sign of
# cos' (O482), the product of the derivatives (O483), the whole sign
# (O484), sine and cosine swapped (O485).
Q48_F = x ** 3 * sp.cos(x)
PICTURES.append(line_picture("Q48.bmp", r"y=x^3\cos x", (164, 70), 48, 28, Q48_F))
PICTURES += options({
    "O481.bmp": (r"3x^2\cos x-x^3\sin x", 3 * x ** 2 * sp.cos(x) - x ** 3 * sp.sin(x)),
    "O482.bmp": (r"3x^2\cos x+x^3\sin x", 3 * x ** 2 * sp.cos(x) + x ** 3 * sp.sin(x)),
    "O483.bmp": (r"-3x^2\sin x", -3 * x ** 2 * sp.sin(x)),
    "O484.bmp": (r"x^3\sin x-3x^2\cos x", x ** 3 * sp.sin(x) - 3 * x ** 2 * sp.cos(x)),
    "O485.bmp": (r"3x^2\sin x+x^3\cos x", 3 * x ** 2 * sp.sin(x) + x ** 3 * sp.cos(x)),
}, (213, 82))


@check("M8")
def _(q, pics):
    derivative = sp.diff(pics["Q48.bmp"].meaning, x)
    for v in variants(q):
        only_keyed_function(pics, v, derivative, "derivative")
    return "Q48: y' = %s by sympy, exactly O481 (keyed)" % derivative


# ============================================================== question 10
# Q410: the legs √5 − 1 and √5 + 1; the area is (5 − 1)/2 = 2 (option 1).
Q410_LEGS = (sp.sqrt(5) - 1, sp.sqrt(5) + 1)
PICTURES.append(line_picture("Q410.bmp", r"\sqrt{5}-1\quad \mathrm{і}\quad \sqrt{5}+1",
                             (223, 58), 19, 9, Q410_LEGS))


@check("M10")
def _(q, pics):
    a, b = pics["Q410.bmp"].meaning
    area = sp.expand(a * b / 2)
    for v in variants(q):
        only_keyed(v, lambda f: same(text_value(f), area), "area", values=v["forms"])
    return "Q410: the area is %s by sympy, exactly the keyed option" % area


# ============================================================== question 11
# The table "VZT_pifa.txt" is described with Test 3 (question 10): c even.
@check("M11")
def _(q, pics):
    for v in variants(q):
        a, b = signed_numbers(v["labels"]["Label1"])[:2]
        median = sp.sqrt(a * a + b * b) / 2
        only_keyed(v, lambda f: same(text_value(f), median), "median", values=v["forms"])
    return "M11: %d variants, the median to the hypotenuse is half of it, only the keyed" % len(
        q["variants"])


# ============================================================== question 13
# N5 (the cube of Test 1, question 12) with the edge √2: B' lies above B,
# the plane AA'C' is the diagonal plane AA'C'C, so the distance is that of B
# to AC, half the base diagonal: √2·√2/2 = 1 (O4131). Wrong: the edge √2
# (O4132), 2√2 (O4133, shared with Test 5), the base diagonal 2 (O4134),
# half the edge (O4135).
PICTURES += options({
    "O4131.bmp": (r"1", 1), "O4132.bmp": (r"\sqrt{2}", sp.sqrt(2)), "O4134.bmp": (r"2", 2),
    "O4135.bmp": (r"\dfrac{\sqrt{2}}{2}", sp.sqrt(2) / 2),
}, (94, 68))
PICTURES += [shared("N5.bmp"), shared("sqrt.bmp")]
LATIN = str.maketrans("АВСDЕ", "ABCDE")


def distance_to_plane(P, a, b, c, p):
    A, B, C, X = (sp.Matrix(P[k]) for k in (a, b, c, p))
    normal = (B - A).cross(C - A)
    return sp.Abs(normal.dot(X - A)) / normal.norm()


def root_of(v, label, box, pattern):
    """The number that the root sign in `box` stands before: √n."""
    expect(image_is(v, box, "sqrt.bmp"), "the root sign stands in %s" % box)
    m = re.search(pattern, v["labels"][label])
    expect(m is not None, "%r in %s" % (pattern, label))
    return sp.sqrt(int(m.group(1)))


@check("M13")
def _(q, pics):
    cube = pics["N5.bmp"]
    unit = cube.meaning["cube"]
    drawn_as(cube, unit, oblique)
    for v in variants(q):
        expect(image_is(v, "Image1", "N5.bmp"), "M13: the cube is N5")
        edge = root_of(v, "Label14", "Image7", r"дорівнює {4}(\d+)$")
        m = re.search(r"вершини (\S+) до площини (\S)(\S')(\S'),", v["labels"]["Label14"])
        expect(m is not None, "M13: a vertex and a plane by three points")
        vertex, *plane = (g.translate(LATIN) for g in m.groups())
        P = {k: tuple(edge * c for c in p) for k, p in unit.items()}
        keyed_value_only(pics, v, distance_to_plane(P, *plane, vertex), "distance")
    return "N5 with edge √2: the distance from B' to AA'C' is 1 = O4131 (keyed); O4133 wrong"


# ============================================================== question 15
# Q415: the regular pyramid SABC with the height SO = 2√3 and the apothem
# SM = 4 to the edge AC (so OM = 2, the base side 4√3); the angle SMO is the
# dihedral angle at AC: 60° (O4151).
# The solid is drawn turned 25° about its height, in the cabinet projection:
# the faces SAC and SBC face the viewer, so only AB and the inner segments
# SO, OM are hidden.
R3 = sp.sqrt(3)
Q415_SPACE = {"A": (-2 * R3, 0, -2), "C": (2 * R3, 0, -2), "B": (0, 0, 4),
              "S": (0, 2 * R3, 0), "O": (0, 0, 0), "M": (0, 0, -2)}
Q415_TURN = -25


def q415_view(p):
    t = math.radians(Q415_TURN)
    px, py, pz = (float(c) for c in p)
    return oblique((px * math.cos(t) - pz * math.sin(t), py, px * math.sin(t) + pz * math.cos(t)))


PICTURES.append(figure(
    "Q415.bmp", points={k: q415_view(p) for k, p in Q415_SPACE.items()},
    segments=[("S", "A"), ("S", "C"), ("S", "B"), ("A", "C"), ("B", "C"), ("S", "M")],
    hidden=[("A", "B"), ("S", "O"), ("O", "M")],
    angles=[("S", "M", "O")], right_angles=[("S", "O", "M")],
    box=(294, 284), proportional=True, meaning={"space": Q415_SPACE}))


def dihedral(P, edge, p, q):
    """The angle between the half-planes through `edge` that hold p and q."""
    A, B = (sp.Matrix(P[k]) for k in edge)
    d = (B - A) / (B - A).norm()

    def across(k):
        w = sp.Matrix(P[k]) - A
        return w - d * d.dot(w)
    u, w = across(p), across(q)
    return sp.acos(sp.nsimplify(u.dot(w) / (u.norm() * w.norm()))) * 180 / sp.pi


@check("M15")
def _(q, pics):
    f = pics["Q415.bmp"]
    P = f.meaning["space"]
    drawn_as(f, P, q415_view)
    def dist(a, b):
        return (sp.Matrix(P[a]) - sp.Matrix(P[b])).norm()
    side = [dist(a, b) for a, b in ("AB", "BC", "CA")]
    expect(len({sp.simplify(s) for s in side}) == 1, "Q415: the base is equilateral")
    centroid = sum((sp.Matrix(P[k]) for k in "ABC"), sp.zeros(3, 1)) / 3
    expect(centroid == sp.Matrix(P["O"]) and sp.Matrix(P["M"]) == (sp.Matrix(P["A"]) +
           sp.Matrix(P["C"])) / 2, "Q415: O is the centre, M the midpoint of AC")
    height, apothem = dist("S", "O"), dist("S", "M")
    angle = sp.simplify(dihedral(P, "AC", "S", "B"))
    for v in variants(q):
        shown = 2 * root_of(v, "Label1", "Image7", r"дорівнює 2 {4}(\d+), ")
        expect(same(shown, height), "M15: the text's height %s is the figure's" % shown)
        expect(same(signed_numbers(v["labels"]["Label14"])[0], apothem),
               "M15: the text's apothem is the figure's")
        keyed_value_only(pics, v, angle, "dihedral angle")
    return "Q415: SO = %s, SM = %s; the angle at AC is %s° = O4151 (keyed)" % (
        height, apothem, angle)


# ============================================================== question 17
# Q417: 2^(x² − 2x) < 8, that is x² − 2x < 3: (−1; 3) (O4171). Wrong: the
# sign reversed (O4172), the ends taken in (O4173), the roots with their
# signs swapped (O4174), one end only (O4175).
Q417_RELATION = 2 ** (x ** 2 - 2 * x) < 8
PICTURES.append(line_picture("Q417.bmp", r"2^{x^2-2x}<8", (153, 56), 19, 4, Q417_RELATION))
PICTURES += options({
    "O4171.bmp": (r"(-1;\,3)", I.open(-1, 3)),
    "O4172.bmp": (r"(-\infty;\,{-1})\cup(3;\,{+\infty})",
                  sp.Union(I.open(-oo, -1), I.open(3, oo))),
    "O4173.bmp": (r"[-1;\,3]", I(-1, 3)),
    "O4174.bmp": (r"(-3;\,1)", I.open(-3, 1)),
    "O4175.bmp": (r"(-\infty;\,3)", I.open(-oo, 3)),
}, (218, 42))


@check("M17")
def _(q, pics):
    s = only_keyed_set(q, pics, pics["Q417.bmp"].meaning, "solution set")
    return "Q417: %s by sympy, exactly O4171 (keyed)" % s


# ============================================================== question 18
# The diameter equals the height, 10 m: V = π·5²·10 = 250π m³ (O4181).
# Wrong: the diameter taken for the radius (O4182), the lateral surface
# (O4183), the base area (O4184), πd²h/2 (O4185).
PICTURES += options({
    "O4181.bmp": (r"250\pi\ \mathrm{м}^3", 250 * pi),
    "O4182.bmp": (r"1000\pi\ \mathrm{м}^3", 1000 * pi),
    "O4183.bmp": (r"100\pi\ \mathrm{м}^3", 100 * pi),
    "O4184.bmp": (r"25\pi\ \mathrm{м}^3", 25 * pi),
    "O4185.bmp": (r"500\pi\ \mathrm{м}^3", 500 * pi),
}, (163, 69))


@check("M18")
def _(q, pics):
    for v in variants(q):
        expect("діаиетр" in v["labels"]["Label1"] and "дорівнює висоті" in v["labels"]["Label14"],
               "M18: the diameter equals the height")
        d = h = signed_numbers(v["labels"]["Label14"])[0]
        keyed_value_only(pics, v, pi * sp.Rational(d, 2) ** 2 * h, "volume")
    return "M18: d = h = 10 m, V = πd²h/4 = 250π m³ = O4181 (keyed)"


# ============================================================== question 19
# Q419: 6; 2; 2/3; … has q = 1/3 and the sum 6/(1 − 1/3) = 9 (O4192, the
# right option 1). Wrong: b1/(1 + q) (O4191), b1/q (O4193), the three terms
# shown (O4194), b1·(1 − q) (O4195).
Q419_TERMS = (sp.Integer(6), sp.Integer(2), sp.Rational(2, 3))
PICTURES.append(line_picture("Q419.bmp", r"6;\ 2;\ \dfrac{2}{3};\ \ldots", (204, 74), 19, 4,
                             Q419_TERMS))
PICTURES += options({
    "O4192.bmp": (r"9", 9), "O4191.bmp": (r"\dfrac{9}{2}", sp.Rational(9, 2)),
    "O4193.bmp": (r"18", 18), "O4194.bmp": (r"\dfrac{26}{3}", sp.Rational(26, 3)),
    "O4195.bmp": (r"4", 4),
}, (66, 72))


@check("M19")
def _(q, pics):
    b1, b2, b3 = pics["Q419.bmp"].meaning
    ratio = b2 / b1
    expect(b3 == b2 * ratio and abs(ratio) < 1, "Q419: a geometric progression with |q| < 1")
    for v in variants(q):
        keyed_value_only(pics, v, b1 / (1 - ratio), "sum")
    return "Q419: q = %s, S = %s = O4192 (keyed)" % (ratio, b1 / (1 - ratio))
