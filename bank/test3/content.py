"""Pictures and tables of Test 3, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re

import sympy as sp

from vztgen import (BLUE, INK, TINT, WINDOW, Table, bare, check, drawing, expect, figure,
                    formula, graph, oblique, only_keyed, shared)
from vztgen import draw as d
from vztgen.common import (elements, family, inline, keyed_value_only, meaning, number_option,
                           roots, same, set_option, signed_numbers, solves, text_value, variants)

x = sp.Symbol("x", real=True)
t = sp.Symbol("t", real=True)
n = sp.Symbol("n", integer=True)
pi = sp.pi

PICTURES = []
TABLES = []

# ============================================================== question 1
# Text only: 60x + 3p is a multiple of 3 (the C++ verifier recomputes it).

# ============================================================== question 2
# The table "VZT_5.txt": AB, AC and q = AB² + AC² − AB·AC, the square of BC
# when the angle A is 60°. Option 5 is q under the root sign (sqrt.bmp, in
# data/shared.py); option 4 is the whole part s of √q, options 2 and 3 are
# "s,5" and "s,8". Rows are kept only when q is not a perfect square (else
# option 4 would be right too) and when √q rounded to tenths is neither s,5
# nor s,8 (so no decimal option reads as the rounded answer).


def _vzt5_candidates():
    out = []
    for ab in range(3, 13):
        for ac in range(2, 12):
            if ab == ac:
                continue
            q = ab * ab + ac * ac - ab * ac
            s = math.isqrt(q)
            if s * s == q or round(math.sqrt(q), 1) in (s + 0.5, s + 0.8):
                continue
            out.append((ab, ac, q))
    return out


def vzt5_rows():
    rows = _vzt5_candidates()
    random.Random(305).shuffle(rows)
    return rows[:25]


def vzt5_relation(r):
    ab, ac, q = r
    s = math.isqrt(q)
    return (q == ab * ab + ac * ac - ab * ac and 2 <= ac and 2 <= ab and s * s != q
            and round(math.sqrt(q), 1) not in (s + 0.5, s + 0.8))


TABLES.append(Table(
    "VZT_5.txt", columns=3, min_rows=25, rows=vzt5_rows, relation=vzt5_relation,
    rule="c3 = c1² + c2² − c1·c2 (BC² for the angle 60°); c3 not a perfect square; √c3 "
         "rounded to tenths is neither trunc(√c3),5 nor trunc(√c3),8; 25 rows drawn from the "
         "pairs 3 <= c1 <= 12, 2 <= c2 <= 11, c1 != c2 by a seeded shuffle"))


@check("L2")
def _(q, pics):
    for v in variants(q):
        ab, ac, angle = signed_numbers(v["labels"]["Label1"])[:3]
        expect(angle == 60, "L2: the angle is 60°")
        # law of cosines
        bc = sp.sqrt(ab ** 2 + ac ** 2 - 2 * ab * ac * sp.cos(sp.pi / 3))
        only_keyed(v, lambda f: same(text_value(f), bc), "BC", values=v["forms"])
    return "L2: %d variants, BC by the law of cosines is exactly the keyed root" % len(q["variants"])


# ============================================================== question 3
# Q3: the cube ABCDA1B1C1D1 (ABCD the lower face, A at the front left), the
# plane A1D1CB shaded. Its normal is parallel to AB1 only: DD1, AB and DC
# are not perpendicular to it, B1C1 is parallel to it.
CUBE = {"A": (0, 0, 0), "B": (1, 0, 0), "C": (1, 0, 1), "D": (0, 0, 1),
        "A1": (0, 1, 0), "B1": (1, 1, 0), "C1": (1, 1, 1), "D1": (0, 1, 1)}  # z: depth


def _cube_2d(points, edge):
    return {k: oblique(tuple(edge * c for c in p)) for k, p in points.items()}


Q3_PLANE = ("A1", "D1", "C", "B")
PICTURES.append(figure(
    "Q3.bmp",
    points=_cube_2d(CUBE, 4),
    segments=[("A", "B"), ("B", "C"), ("A", "A1"), ("B", "B1"), ("C", "C1"),
              ("A1", "B1"), ("B1", "C1"), ("C1", "D1"), ("D1", "A1"), ("A1", "B")],
    hidden=[("A", "D"), ("D", "C"), ("D", "D1"), ("D1", "C")],
    fills=[(list(Q3_PLANE), TINT)],
    # kept 15 px narrower than its box: the window's "X" stands over the
    # box's top right corner
    box=(224, 215),
    meaning={"cube": CUBE, "plane": Q3_PLANE},
))


def _vec(a, b):
    return sp.Matrix(b) - sp.Matrix(a)


@check("L3")
def _(q, pics):
    cube = pics["Q3.bmp"].meaning["cube"]
    plane = pics["Q3.bmp"].meaning["plane"]
    P = {k: sp.Matrix(v) for k, v in cube.items()}
    normal = _vec(P[plane[0]], P[plane[1]]).cross(_vec(P[plane[0]], P[plane[3]]))
    for k in plane[2:]:
        expect(normal.dot(_vec(P[plane[0]], P[k])) == 0, "Q3: A1, D1, C, B are coplanar")

    def perpendicular(form):
        names = re.findall(r"[A-D](?:_1)?", form)
        expect(len(names) == 2, "L3: %r names a line by two points" % form)
        a, b = (P[s.replace("_", "")] for s in names)
        return (b - a).cross(normal) == sp.zeros(3, 1)

    for v in variants(q):
        expect(v["labels"]["Label14"] == "до площини А D CB." and
               v["labels"]["Label15"] == "1  1", "L3: the plane is A1D1CB")
        only_keyed(v, perpendicular, "line", values=v["forms"])
        expect(v["key"] == 5 and v["deal"] == [1, 2, 3, 4, 5], "L3: fixed slots, key 5")
    return "Q3: plane A1D1CB; only AB1 (keyed, slot Д) is along its normal"


# ============================================================== question 4
# Text only: C(4, 2) = 6.

# ============================================================== question 5
# Q5: five numbers; 2√5 = √20 is the greatest (4,4² = 19,36; ∛80 < 4,31).
Q5_NUMBERS = [3 * sp.sqrt(2), sp.sqrt(19), 2 * sp.sqrt(5), sp.cbrt(80), sp.Rational(22, 5)]
PICTURES.append(inline(
    "Q5.bmp", r"3\sqrt{2};\quad \sqrt{19};\quad 2\sqrt{5};\quad \sqrt[3]{80};\quad 4{,}4",
    box=(551, 79), label_top=21, picture_top=4, meaning=Q5_NUMBERS, align="center"))
PICTURES += [
    number_option("O51.bmp", r"2\sqrt{5}", 2 * sp.sqrt(5)),
    number_option("O52.bmp", r"4{,}4", sp.Rational(22, 5)),
    number_option("O53.bmp", r"\sqrt{19}", sp.sqrt(19)),
    number_option("O54.bmp", r"3\sqrt{2}", 3 * sp.sqrt(2)),
    number_option("O55.bmp", r"\sqrt[3]{80}", sp.cbrt(80)),
]


@check("L5")
def _(q, pics):
    shown = pics["Q5.bmp"].meaning
    greatest = max(shown, key=lambda v: sp.N(v, 50))
    for v in variants(q):
        values = [meaning(pics, o) for o in v["options"]]
        expect(sorted(sp.N(a, 30) for a in values) == sorted(sp.N(a, 30) for a in shown),
               "L5: the options are the five numbers of Q5")
        only_keyed(v, lambda o: all(sp.N(meaning(pics, o) - w, 50) > 0 or same(meaning(pics, o), w)
                                    for w in shown), "greatest number")
    return "Q5: the greatest of the five is %s, keyed (O51)" % greatest


# ============================================================== question 7
# N13: the axes and a point N in the fourth quadrant (x > 0, y < 0), without
# a scale. Of y = log2 x, y = 2^x, y = √x, y = x², y = 1/x only log2 x takes
# negative values for positive x.
N13_AT = (1.6, -1.2)
PICTURES.append(graph(
    "N13.bmp", curves=[], window=(-1.6, 3, -2.2, 1.8),
    points=[{"at": N13_AT, "label": "N", "guides": True, "where": "se"}],
    xticks=[], yticks=[], marks=False, box=(181, 160), proportional=True,
    meaning={"N": N13_AT}))
PICTURES += [
    formula("O831.bmp", r"y=\log_2 x", box=(149, 87), meaning=sp.log(x, 2)),
    formula("O832.bmp", r"y=2^x", box=(149, 87), meaning=2 ** x),
    formula("O833.bmp", r"y=\sqrt{x}", box=(149, 87), meaning=sp.sqrt(x)),
    formula("O834.bmp", r"y=x^2", box=(149, 87), meaning=x ** 2),
    formula("O835.bmp", r"y=\dfrac{1}{x}", box=(149, 87), meaning=1 / x),
]


def reaches_quadrant(f, sx, sy):
    """Some point of the graph of f has x of sign sx and y of sign sy."""
    xs = sp.Interval.open(0, sp.oo) if sx > 0 else sp.Interval.open(-sp.oo, 0)
    domain = sp.calculus.util.continuous_domain(f, x, xs)
    return sp.solveset(sy * f > 0, x, domain) != sp.S.EmptySet


@check("L7")
def _(q, pics):
    nx, ny = pics["N13.bmp"].meaning["N"]
    sx, sy = (1 if nx > 0 else -1), (1 if ny > 0 else -1)
    for v in variants(q):
        only_keyed(v, lambda o: reaches_quadrant(meaning(pics, o), sx, sy), "function")
    return "N13: N in quadrant (%+d, %+d); only y = log2 x (O831, keyed) reaches it" % (sx, sy)


# ============================================================== question 8
# Q83: the graph of f(x) = 3 + (x - 2)/2 - (x - 2)²/4 with its tangent at
# x0 = 2, which runs through the grid points (0; 2), (2; 3) and (4; 4):
# f'(x0) = 1/2. Wrong: 2 (run over rise), -1/2 (sign), 3 (the value f(x0)),
# -2.
Q83_F = 3 + (x - 2) / 2 - (x - 2) ** 2 / 4
Q83_X0 = 2
Q83_TANGENT = Q83_F.subs(x, Q83_X0) + sp.diff(Q83_F, x).subs(x, Q83_X0) * (x - Q83_X0)
PICTURES.append(graph(
    "Q83.bmp",
    curves=[sp.lambdify(x, Q83_F, "numpy"),
            {"f": sp.lambdify(x, Q83_TANGENT, "numpy"), "domain": (-1.6, 5.6)}],
    window=(-2, 6, -1, 5), grid=True, xticks=[(Q83_X0, "x_0")], yticks=[(1, "1")],
    points=[(0, 2), {"at": (Q83_X0, float(Q83_F.subs(x, Q83_X0))), "guides": True}, (4, 4)],
    texts=[(5.1, 0.4, "y=f(x)")],
    # smaller than its 443 x 281 box: the window's "X" stands over the box's
    # top right corner and the letters Г, Д just under its bottom
    box=(400, 262), proportional=True,
    meaning={"f": Q83_F, "x0": Q83_X0, "tangent": Q83_TANGENT}))
PICTURES += [
    number_option("O8311.bmp", r"0{,}5", sp.Rational(1, 2)),
    number_option("O8312.bmp", r"2", 2),
    number_option("O8313.bmp", r"{-0{,}5}", sp.Rational(-1, 2)),
    number_option("O8314.bmp", r"3", 3),
    number_option("O8315.bmp", r"{-2}", -2),
]


@check("L8")
def _(q, pics):
    m = pics["Q83.bmp"].meaning
    f, x0, tangent = m["f"], m["x0"], m["tangent"]
    slope = sp.diff(f, x).subs(x, x0)
    expect(sp.simplify(tangent - (f.subs(x, x0) + slope * (x - x0))) == 0,
           "Q83: the drawn line is the tangent at x0")
    for gx, gy in [(0, 2), (2, 3), (4, 4)]:
        expect(tangent.subs(x, gx) == gy, "Q83: the tangent runs through (%d; %d)" % (gx, gy))
    for v in variants(q):
        keyed_value_only(pics, v, slope, "derivative")
    return "Q83: f'(x0) = %s by sympy, exactly O8311 (keyed)" % slope


# ============================================================== question 9
# Q9: x² − 2x ≤ 15, that is −3 ≤ x ≤ 5: the greatest integer solution is
# 5. Wrong: 4 (as if strict), 3 and −5 (the roots with the wrong signs),
# −3 (the least one). O93 (3) and O94 (−3) are also options of question 18,
# O91 (5) a wrong option of test 6, question 12.
Q9_INEQUALITY = x ** 2 - 2 * x <= 15
PICTURES.append(inline("Q9.bmp", r"x^2-2x\leq 15", box=(103, 63), label_top=21,
                       picture_top=5, meaning=Q9_INEQUALITY))
PICTURES += [
    number_option("O91.bmp", r"5", 5, box=(115, 65)),
    number_option("O92.bmp", r"4", 4),
    number_option("O93.bmp", r"3", 3, box=(115, 65)),
    number_option("O94.bmp", r"{-3}", -3, box=(115, 65)),
    number_option("O95.bmp", r"{-5}", -5),
]


@check("L9")
def _(q, pics):
    solutions = sp.solveset(pics["Q9.bmp"].meaning, x, sp.S.Reals)
    expect(solutions.sup.is_finite, "Q9: the solutions are bounded above")
    greatest = max(k for k in range(int(sp.floor(solutions.sup)) - 100,
                                    int(sp.floor(solutions.sup)) + 1)
                   if solutions.contains(k) == sp.true)
    for v in variants(q):
        keyed_value_only(pics, v, greatest, "greatest integer solution")
    return "Q9: solutions %s, greatest integer %d = O91 (keyed)" % (solutions, greatest)


# ============================================================== question 10
# The table "VZT_pifa.txt" (shared with test 4, question 11): a, b, c with
# a² + b² = c² and c even, so that c/2 (option 1) is exact and differs from
# c − 1, c − 4 and (c − 1) div 2 (c >= 10). The 26 smallest such triples,
# each with both orders of a and b.


def pifa_rows():
    triples = []
    c = 2
    while len(triples) < 26:
        c += 2
        for a in range(1, c):
            b = math.isqrt(c * c - a * a)
            if a < b and a * a + b * b == c * c:
                triples.append((a, b, c))
    rows = []
    for a, b, c in triples[:26]:
        rows += [(a, b, c), (b, a, c)]
    return rows


def pifa_relation(r):
    a, b, c = r
    return a > 0 and b > 0 and a * a + b * b == c * c and c % 2 == 0 and c >= 10


TABLES.append(Table(
    "VZT_pifa.txt", columns=3, min_rows=52, rows=pifa_rows, relation=pifa_relation,
    rule="c1² + c2² = c3², c3 even and >= 10 (then trunc(c3/2), c3, trunc((c3-1)/2), c3-1, "
         "c3-4 differ and only c3/2 is half the diagonal); the 26 smallest triples with an "
         "even c3, each as (a, b, c) and (b, a, c)"))


@check("L10")
def _(q, pics):
    for v in variants(q):
        a, b = signed_numbers(v["labels"]["Label1"])[:2]
        radius = sp.sqrt(a * a + b * b) / 2
        only_keyed(v, lambda f: same(text_value(f), radius), "radius", values=v["forms"])
    return "L10: %d variants, the radius is half the diagonal, exactly the keyed option" % len(
        q["variants"])


# ============================================================== question 11
# Q11: the vector 2·AB − AC; the table "VZT_6.txt" holds A, B, C and its
# coordinates, computed from the same description. N14: a vector arrow over
# each option (in the labels' blue).
Q11_TERMS = {("A", "B"): 2, ("A", "C"): -1}   # 2·vector AB − vector AC


def vector_of(terms, A, B, C):
    """Coordinates of the combination sum k·(end − start) of vectors given by points."""
    P = {"A": A, "B": B, "C": C}
    return tuple(sum(k * (P[e][i] - P[s][i]) for (s, e), k in terms.items()) for i in range(3))


def vector_tex(terms):
    out = ""
    for (s, e), k in terms.items():
        sign = "-" if k < 0 else ("+" if out else "")
        out += sign + ("" if abs(k) == 1 else str(abs(k))) + r"\overrightarrow{%s%s}" % (s, e)
    return out


PICTURES.append(inline("Q11.bmp", vector_tex(Q11_TERMS), box=(155, 70), label_top=21,
                       picture_top=5, meaning=Q11_TERMS, align="center"))


def _arrow_mark(ax):
    d.line(ax, [(2, 6.5), (92, 6.5)], color=BLUE, width=1.4)
    d.polygon(ax, [(100, 6.5), (90, 10.5), (92.5, 6.5), (90, 2.5)], face=BLUE, edge=BLUE,
              width=0.6)


PICTURES.append(drawing("N14.bmp", box=(102, 13), draw=_arrow_mark, trim=False, paper=WINDOW,
                        exact=(BLUE,), meaning="a vector arrow"))

VZT6_ROWS = 173328


def vzt6_rows():
    rnd = random.Random(306)
    seen = set()
    rows = []
    while len(rows) < VZT6_ROWS:
        pts = tuple(rnd.randint(-6, 6) for _ in range(9))
        A, B, C = pts[0:3], pts[3:6], pts[6:9]
        if len({A, B, C}) < 3 or pts in seen:
            continue
        AB = [B[i] - A[i] for i in range(3)]
        AC = [C[i] - A[i] for i in range(3)]
        cross = (AB[1] * AC[2] - AB[2] * AC[1], AB[2] * AC[0] - AB[0] * AC[2],
                 AB[0] * AC[1] - AB[1] * AC[0])
        if cross == (0, 0, 0):
            continue   # A, B, C on one line
        seen.add(pts)
        rows.append(pts + vector_of(Q11_TERMS, A, B, C))
    return rows


def vzt6_relation(r):
    A, B, C = tuple(r[0:3]), tuple(r[3:6]), tuple(r[6:9])
    return tuple(r[9:12]) == vector_of(Q11_TERMS, A, B, C) and all(-6 <= v <= 6 for v in r[:9])


TABLES.append(Table(
    "VZT_6.txt", columns=12, min_rows=VZT6_ROWS, rows=vzt6_rows, relation=vzt6_relation,
    rule="c1..c3 = A, c4..c6 = B, c7..c9 = C (whole numbers -6..6, three points not on one "
         "line, rows pairwise different); (c10, c11, c12) = 2·AB − AC = 2B − A − C, the vector "
         "that Q11.bmp shows"))


@check("L11")
def _(q, pics):
    terms = pics["Q11.bmp"].meaning
    for v in variants(q):
        B = signed_numbers(v["labels"]["Label1"])
        CA = signed_numbers(v["labels"]["Label14"])
        expect(len(B) == 3 and len(CA) == 6, "L11: three points in the text")
        A, C = tuple(CA[3:6]), tuple(CA[0:3])
        want = "(%d;%d;%d)" % vector_of(terms, A, tuple(B), C)
        only_keyed(v, lambda f: f == want, "coordinates", values=v["forms"])
        expect(all(v["images"].get("Image%d" % k, "").endswith("N14.bmp") for k in range(2, 7)),
               "L11: the arrow stands over every slot")
    return "Q11 (%s): the vector from the shown points is exactly the keyed option (%d variants)" % (
        vector_tex(terms), len(q["variants"]))


# ============================================================== questions 12, 13, 14
# Q12: sin(π/2 − x) = 0, i.e. cos x = 0: x = π/2 + πn (O121).
# Q133: cos²x − sin²x = 1, i.e. cos 2x = 1: x = πn (O122).
# Q143: sin x = √3/2; 2π/3 is a particular solution (O141), π/6 is not (the
# sine and cosine confused).
# Solution sets shown as options: O123 2πn and O125 π + 2πn are each half of
# the roots of Q133 (lost roots), O124 π/2 + 2πn half of those of Q12, O131
# πn/2 (2x = πn). No element of O122, O123 or O125 solves Q143, so they are
# wrong there even as sources of a particular solution.


PICTURES += [
    inline("Q12.bmp", r"\sin\left(\dfrac{\pi}{2}-x\right)=0", box=(170, 59), label_top=21,
           picture_top=2, meaning=sp.Eq(sp.sin(pi / 2 - x), 0)),
    set_option("O121.bmp", r"x=\dfrac{\pi}{2}+\pi n,\ n\in Z", family(pi / 2 + pi * n)),
    set_option("O122.bmp", r"x=\pi n,\ n\in Z", family(pi * n), box=(115, 65)),
    set_option("O123.bmp", r"x=2\pi n,\ n\in Z", family(2 * pi * n), box=(115, 65)),
    set_option("O124.bmp", r"x=\dfrac{\pi}{2}+2\pi n,\ n\in Z", family(pi / 2 + 2 * pi * n)),
    set_option("O125.bmp", r"x=\pi+2\pi n,\ n\in Z", family(pi + 2 * pi * n), box=(115, 65)),
    inline("Q133.bmp", r"\cos^2 x-\sin^2 x=1", box=(218, 66), label_top=21, picture_top=2,
           meaning=sp.Eq(sp.cos(x) ** 2 - sp.sin(x) ** 2, 1)),
    set_option("O131.bmp", r"x=\dfrac{\pi n}{2},\ n\in Z", family(pi * n / 2)),
    inline("Q143.bmp", r"\sin x=\dfrac{\sqrt{3}}{2}", box=(150, 60), label_top=21,
           picture_top=2, meaning=sp.Eq(sp.sin(x), sp.sqrt(3) / 2)),
    set_option("O141.bmp", r"x=\dfrac{2\pi}{3}", sp.FiniteSet(2 * pi / 3), box=(115, 65)),
    set_option("O142.bmp", r"x=\dfrac{\pi}{6}", sp.FiniteSet(pi / 6), box=(115, 65)),
]

@check("L12")
def _(q, pics):
    want = roots(pics["Q12.bmp"].meaning)
    for v in variants(q):
        only_keyed(v, lambda o: elements(meaning(pics, o)) == want, "set of roots")
    return "Q12: %d roots in [-12π, 12π]; only O121 (keyed) lists exactly them" % len(want)


@check("L13")
def _(q, pics):
    want = roots(pics["Q133.bmp"].meaning)
    for v in variants(q):
        only_keyed(v, lambda o: elements(meaning(pics, o)) == want, "set of roots")
    return "Q133: %d roots in [-12π, 12π]; only O122 (keyed) lists exactly them" % len(want)


@check("L14")
def _(q, pics):
    eq = pics["Q143.bmp"].meaning

    def particular(o):
        s = meaning(pics, o)
        return isinstance(s, sp.FiniteSet) and len(s) == 1 and solves(eq, next(iter(s)))

    for v in variants(q):
        only_keyed(v, particular, "particular solution")
        for o in v["options"]:
            if o != v["options"][v["right"] - 1]:
                expect(not any(solves(eq, e) for e in elements(meaning(pics, o))),
                       "L14: no element of %s solves Q143" % o)
    return "Q143: 2π/3 (O141, keyed) solves it; no element of the other four does"


# ============================================================== question 15
# 14 pies in the ratio 2:2:3: 4 with meat, P = 4/14 = 2/7. Wrong: 1/3 (the
# kinds as equally likely), 2/3 (2 to 3), 1/4, 4/7 (meat or mushrooms).
PICTURES += [
    number_option("O151.bmp", r"\dfrac{2}{7}", sp.Rational(2, 7)),
    number_option("O152.bmp", r"\dfrac{1}{3}", sp.Rational(1, 3)),
    number_option("O153.bmp", r"\dfrac{2}{3}", sp.Rational(2, 3)),
    number_option("O154.bmp", r"\dfrac{1}{4}", sp.Rational(1, 4)),
    number_option("O155.bmp", r"\dfrac{4}{7}", sp.Rational(4, 7)),
]


@check("L15")
def _(q, pics):
    for v in variants(q):
        total = signed_numbers(v["labels"]["Label1"])[0]
        m, mush, cab = (int(k) for k in re.search(r"(\d+):(\d+):(\d+)",
                                                   v["labels"]["Label9"]).groups())
        meat = sp.Rational(total * m, m + mush + cab)
        expect(meat.q == 1, "L15: a whole number of pies with meat")
        keyed_value_only(pics, v, meat / total, "probability")
    return "L15: 14 pies at 2:2:3, P(meat) = 2/7 = O151 (keyed)"


# ============================================================== question 16
# Q16: s(t) = t³ + 3t² − 2t + 4; a(t) = s''(t) = 6t + 6, a(2) = 18 m/s².
# Wrong: 22 (the speed s'(2)), 20 (the path s(2)), 6 (a(0)), 12 (6t only).
Q16_S = t ** 3 + 3 * t ** 2 - 2 * t + 4
PICTURES.append(inline("Q16.bmp", r"s(t)=t^3+3t^2-2t+4", box=(266, 67), label_top=21,
                       picture_top=2, meaning=Q16_S, align="center"))


def _accel(name, value):
    return number_option(name, r"%d\ \mathrm{м/с^2}" % value, value)


PICTURES += [_accel("O1631.bmp", 18), _accel("O1632.bmp", 22), _accel("O1633.bmp", 20),
             _accel("O1634.bmp", 6), _accel("O1635.bmp", 12)]


@check("L16")
def _(q, pics):
    s = pics["Q16.bmp"].meaning
    for v in variants(q):
        moment = int(re.search(r"t=(\d+)", v["labels"]["Label14"]).group(1))
        a = sp.diff(s, t, 2).subs(t, moment)
        keyed_value_only(pics, v, a, "acceleration")
    return "Q16: s''(2) = 18 by sympy, exactly O1631 (keyed)"


# ============================================================== question 17
# Q173: a cube with the face diagonals AB, BC, CA: the triangle ABC is
# equilateral, the angle ABC is 60°.
Q173_CUBE = {"_%d%d%d" % p: p for p in [(i, j, k) for i in (0, 1) for j in (0, 1)
                                          for k in (0, 1)]}
Q173_ABC = {"A": (1, 1, 0), "B": (0, 0, 0), "C": (0, 1, 1)}   # x right, y up, z depth


def _q173_points():
    # receding edges at 30°, so that none of them lies along the diagonal AB
    def at(p):
        return oblique(tuple(4 * c for c in p), angle=30)
    pts = {k: at(p) for k, p in Q173_CUBE.items()}
    pts.update({k: at(p) for k, p in Q173_ABC.items()})
    return pts


def _edges():
    edges = []
    keys = sorted(Q173_CUBE)
    for a in keys:
        for b in keys:
            pa, pb = Q173_CUBE[a], Q173_CUBE[b]
            if a < b and sum(u != w for u, w in zip(pa, pb)) == 1:
                edges.append((a, b))
    return edges


_HIDDEN_VERTEX = "_001"    # the back lower left vertex
PICTURES.append(figure(
    "Q173.bmp",
    points=_q173_points(),
    segments=[e for e in _edges() if _HIDDEN_VERTEX not in e] + [("A", "B"), ("B", "C"),
                                                                    ("C", "A")],
    hidden=[e for e in _edges() if _HIDDEN_VERTEX in e],
    angles=[("A", "B", "C")],
    box=(294, 262), proportional=True,     # clear of the letters under it
    meaning={"A": Q173_ABC["A"], "B": Q173_ABC["B"], "C": Q173_ABC["C"]}))


def _degrees(name, value):
    return number_option(name, r"%d^\circ" % value, value)


PICTURES += [_degrees("O171.bmp", 60), _degrees("O172.bmp", 45), _degrees("O173.bmp", 90),
             _degrees("O174.bmp", 30), _degrees("O175.bmp", 120)]


@check("L17")
def _(q, pics):
    m = pics["Q173.bmp"].meaning
    A, B, C = (sp.Matrix(m[k]) for k in "ABC")
    for k in "ABC":
        expect(tuple(m[k]) in Q173_CUBE.values(), "Q173: %s is a vertex of the cube" % k)
    u, w = A - B, C - B
    angle = sp.acos(u.dot(w) / (u.norm() * w.norm())) * 180 / sp.pi
    for v in variants(q):
        keyed_value_only(pics, v, angle, "angle")
    return "Q173: angle ABC = %s° from the cube's coordinates, O171 (keyed)" % sp.simplify(angle)


# ============================================================== question 18
# Q183: log2 48 and log2 6; their difference is log2 8 = 3 (O93). Wrong:
# −3 (O94, the other order), log2 42 (the arguments subtracted), 8 (the
# logarithm forgotten), log2 48 / log2 6 (difference taken for quotient).
Q183_A, Q183_B = sp.log(48, 2), sp.log(6, 2)
PICTURES.append(inline("Q183.bmp", r"\log_2 48\quad \mathrm{і}\quad \log_2 6", box=(224, 70),
                       label_top=21, picture_top=12, meaning=(Q183_A, Q183_B)))
PICTURES += [
    number_option("O1833.bmp", r"\log_2 42", sp.log(42, 2), box=(115, 65)),
    number_option("O1834.bmp", r"8", 8, box=(115, 65)),
    number_option("O1835.bmp", r"\dfrac{\log_2 48}{\log_2 6}", sp.log(48, 2) / sp.log(6, 2),
                  box=(115, 65)),
]


@check("L18")
def _(q, pics):
    a, b = pics["Q183.bmp"].meaning
    for v in variants(q):
        keyed_value_only(pics, v, a - b, "difference")
    return "Q183: log2 48 - log2 6 = 3 by sympy, exactly O93 (keyed)"


# ============================================================== question 19
# Five graphs, each with the formula written on it. O1931 to O1934 draw their
# formula; O1935 is labelled y = |x − 2| but draws y = |x + 2| (the shift
# taken the wrong way).


def _graph19(name, label, drawn, formula_expr, window, label_at, curves=None):
    f = sp.lambdify(x, drawn, "numpy")
    return graph(name, curves=curves or [f], window=window, grid=True, box=(377, 285),
                 proportional=True,
                 texts=[(label_at[0], label_at[1], "$%s$" % label,
                         {"bbox": dict(facecolor="white", edgecolor="none", pad=1.5)})],
                 meaning={"formula": formula_expr, "drawn": drawn})


PICTURES += [
    _graph19("O1931.bmp", "y=x^2-4", x ** 2 - 4, x ** 2 - 4, (-4, 4, -5, 5), (2.6, -3.2)),
    _graph19("O1932.bmp", r"y=\sqrt{x-1}", sp.sqrt(x - 1), sp.sqrt(x - 1), (-2, 7, -2, 4),
             (4.5, 0.9), curves=[{"f": sp.lambdify(x, sp.sqrt(x - 1), "numpy"),
                                  "domain": (1, 7), "ends": ("closed", None)}]),
    _graph19("O1933.bmp", r"y=\dfrac{2}{x}", 2 / x, 2 / x, (-5, 5, -4, 4), (3.2, 2.6),
             curves=[{"f": sp.lambdify(x, 2 / x, "numpy"), "domain": (-5, -0.45)},
                     {"f": sp.lambdify(x, 2 / x, "numpy"), "domain": (0.45, 5)}]),
    _graph19("O1934.bmp", "y=2^x", 2 ** x, 2 ** x, (-4, 3, -1, 6), (-2.4, 2.5)),
    _graph19("O1935.bmp", r"y=\left|x-2\right|", sp.Abs(x + 2), sp.Abs(x - 2), (-6, 3, -1, 5),
             (-4.2, 4.3)),
]


def fits_formula(g):
    """The drawn curves agree with the formula written on the graph."""
    x0, x1, y0, y1 = g.window
    formula_f = sp.lambdify(x, g.meaning["formula"], "math")
    agree = True
    for c in g.curves:
        a, b = c.get("domain", (x0, x1))
        for i in range(1, 200):
            xv = a + (b - a) * i / 200
            try:
                want = formula_f(xv)
            except (ValueError, ZeroDivisionError):
                return False          # drawn where the formula is not defined
            got = float(c["f"](xv))
            if isinstance(want, complex) or abs(got - want) > 1e-9:
                agree = False
    return agree


@check("L19")
def _(q, pics):
    for v in variants(q):
        only_keyed(v, lambda o: not fits_formula(pics[bare(o)]), "graph that misfits")
    return "O1931-O1934 draw their formulas; only O1935 (keyed) does not"


# ============================================================== question 20
# Q20: the triangle ABC with BC = 5 and the angle A = 30°, drawn inscribed in
# a circle of radius 5 (centre at the origin): 2R = BC / sin A = 10, the
# circumference is 10π. Wrong: 5π (πR), 25π (the area πR²), 20π (2π·2R),
# 10√3π/3 (the cosine for the sine).
Q20_R = 5
Q20_POINTS = {k: (Q20_R * math.cos(math.radians(a)), Q20_R * math.sin(math.radians(a)))
              for k, a in (("A", 180), ("B", 40), ("C", -20))}
_mid = ((Q20_POINTS["B"][0] + Q20_POINTS["C"][0]) / 2,
        (Q20_POINTS["B"][1] + Q20_POINTS["C"][1]) / 2)
PICTURES.append(figure(
    "Q20.bmp", points=Q20_POINTS, segments=[("A", "B"), ("B", "C"), ("C", "A")],
    angles=[("C", "A", "B", 1, "30°")],
    texts=[(_mid[0] + 0.55, _mid[1] + 0.15, "5")],
    box=(318, 172), proportional=True,
    meaning={"BC": 5, "A": 30}))
PICTURES += [
    number_option("O201.bmp", r"10\pi", 10 * pi),
    number_option("O202.bmp", r"5\pi", 5 * pi),
    number_option("O203.bmp", r"25\pi", 25 * pi),
    number_option("O204.bmp", r"20\pi", 20 * pi),
    number_option("O205.bmp", r"\dfrac{10\sqrt{3}}{3}\pi", 10 * sp.sqrt(3) * pi / 3),
]


@check("L20")
def _(q, pics):
    f = pics["Q20.bmp"]
    expect(abs(f.dist("B", "C") - f.meaning["BC"]) < 1e-9, "Q20: BC is drawn 5 long")
    expect(abs(f.angle("C", "A", "B") - f.meaning["A"]) < 1e-9, "Q20: the angle A is drawn 30°")
    radius = sp.Integer(f.meaning["BC"]) / (2 * sp.sin(sp.rad(f.meaning["A"])))
    for v in variants(q):
        keyed_value_only(pics, v, 2 * sp.pi * radius, "circumference")
    return "Q20: R = BC/(2 sin A) = %s from the figure; 2πR = O201 (keyed)" % radius


# The root sign of question 2 is described with the shared signs.
PICTURES.append(shared("sqrt.bmp"))
