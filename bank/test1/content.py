"""Pictures and tables of Test 1, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re
from fractions import Fraction

import sympy as sp

from vztgen import (INK, TINT, WINDOW, Table, bare, check, drawing, expect, figure, formula,
                    graph, oblique, only_keyed, shared)
from vztgen import draw as d
from vztgen.common import numbers, variants

x = sp.Symbol("x", real=True)


# ============================================================== question 1
# The fraction bar of the stacked fraction: chdr4 (data/shared.py).

# ============================================================== question 2
def _arc(ax, m, v, a, b, r):
    """An angle mark of r pixels at vertex v of N1, from side va to side vb."""
    from matplotlib.patches import Arc
    V, A, B = (m.xy(N1_POINTS[k]) for k in (v, a, b))
    t1 = math.degrees(math.atan2(A[1] - V[1], A[0] - V[0]))
    t2 = math.degrees(math.atan2(B[1] - V[1], B[0] - V[0]))
    ax.add_patch(Arc(V, 2 * r, 2 * r, theta1=t1, theta2=t2, edgecolor=INK, lw=1.0, zorder=3))


# N1: the right triangle ABC (right angle at C) with the median CN to the
# hypotenuse; the given angle ACN is marked. CN = AN = NB, so angle A equals
# angle ACN and angle B = 90° - angle ACN.
N1_POINTS = {"C": (0, 0), "A": (0, 5), "B": (3.2, 0), "N": (1.6, 2.5)}
N1 = figure(
    "N1.bmp",
    points=N1_POINTS,
    segments=[("A", "C"), ("C", "B"), ("B", "A"), ("C", "N")],
    right_angles=[("A", "C", "B")],
    extra=lambda ax, m: _arc(ax, m, "C", "N", "A", 30),
    ticks=[("A", "N", 1), ("N", "B", 1)],
    box=(192, 273),
    meaning={"right_angle": "C", "median": ("C", "N"), "hypotenuse": ("A", "B")},
)


@check("QN2")
def _(q, pics):
    f = pics["N1.bmp"]
    A, B, C, N = (f.xy(k) for k in "ABCN")
    expect(abs(f.angle("A", "C", "B") - 90) < 1e-9, "N1: the angle at C is right")
    expect(abs(N[0] - (A[0] + B[0]) / 2) < 1e-9 and abs(N[1] - (A[1] + B[1]) / 2) < 1e-9,
           "N1: N is the midpoint of AB")
    # In the pictured triangle: angle B = 90 - angle ACN.
    expect(abs(f.angle("A", "B", "C") - (90 - f.angle("A", "C", "N"))) < 1e-9,
           "N1: angle B = 90 - angle ACN in the figure")
    for v in variants(q):
        (given,) = numbers(v["labels"]["Label14"])
        answer = "%d°" % (90 - given)
        only_keyed(v, lambda o: o == answer, "angle", values=v["forms"])
    return "N1: right angle at C, N midpoint of AB; %d variants keyed 90-x" % len(q["variants"])


# ============================================================== question 6
# The root sign (sqrt) and the fraction bar (chdr4) stand beside the
# equation's text (data/shared.py): the equation is sqrt(base^(k·x)) = 1/den.

def interval_of(text):
    """"(-1,5;-0,5]" as a sympy interval."""
    m = re.fullmatch(r"([(\[])([-0-9,]+);([-0-9,]+)([)\]])", text)
    expect(m is not None, "not an interval: %r" % text)
    lo, hi = (sp.Rational(t.replace(",", ".")) for t in m.group(2, 3))
    return sp.Interval(lo, hi, m.group(1) == "(", m.group(4) == ")")


@check("QN6")
def _(q, pics):
    for v in variants(q):
        expect(bare(v["images"]["Image1"]) == "sqrt.bmp"
               and bare(v["images"]["Image2"]) == "chdr4.bmp",
               "the root sign and the fraction bar stand in the equation")
        base = numbers(v["labels"]["Label14"])[-1]
        (k,) = numbers(v["labels"]["Label15"])
        (den,) = numbers(v["labels"]["Label8"])
        expect(v["labels"]["Label1"] == "1", "the right side is 1 over the denominator")
        roots = sp.solveset(sp.Eq(sp.sqrt(sp.Integer(base) ** (k * x)), sp.Rational(1, den)), x,
                            domain=sp.S.Reals)
        expect(isinstance(roots, sp.FiniteSet) and len(roots) == 1, "one root: %s" % roots)
        (root,) = roots
        only_keyed(v, lambda o: interval_of(o).contains(root) == sp.true, "interval",
                   values=v["forms"])
    return ("sympy solves sqrt(b^(kx)) = 1/d in all %d variants: only the keyed interval holds "
            "the root" % len(q["variants"]))


# ============================================================== question 7
# N2: a coordinate grid with two marked points, (-1; -1) and (2; -2). Of
# y = -|x|, y = tg x, y = lg x, y = x, y = -x only y = -|x| passes through both.
N2_POINTS = [(-1, -1), (2, -2)]
N2 = graph(
    "N2.bmp",
    curves=[],
    window=(-2.5, 2.7, -2.5, 1.6),
    points=[{"at": p, "label": "", "guides": True} for p in N2_POINTS],
    grid=True,
    box=(192, 132),   # of its 192 x 273 box: the instruction line runs 136 px below its top
    meaning={"points": N2_POINTS},
)


def function_of(form):
    """An option "y=..." as a sympy expression in x (code 5 is the modulus bar)."""
    s = form.split("=", 1)[1]
    s = re.sub("\x05(.*?)\x05", r"Abs(\1)", s)
    s = s.replace("tgx", "tan(x)").replace("lgx", "log(x, 10)")
    return sp.sympify(s, locals={"x": x})


def passes(expr, point):
    value = expr.subs(x, point[0])
    return bool(value.is_real) and sp.simplify(value - point[1]) == 0


@check("QN7")
def _(q, pics):
    pts = pics["N2.bmp"].meaning["points"]
    expect([tuple(p["at"]) for p in pics["N2.bmp"].points] == [tuple(p) for p in pts],
           "N2: the marked points are the described ones")
    for v in variants(q):
        only_keyed(v, lambda f: all(passes(function_of(f), p) for p in pts),
                   "function through both points", values=v["forms"])
    return "N2: of the five functions only the keyed y=-|x| passes through (-1;-1) and (2;-2)"


# ============================================================== question 9
# N4: on a unit grid, the figure bounded by the parabola y = 3x - x² and the
# x-axis, shaded. Its area is 9/2, so only 3 < S < 6 is true.
N4_CURVE = 3 * x - x**2
N4_F = sp.lambdify(x, N4_CURVE)


def _shade_n4(ax, m):
    from matplotlib.patches import Polygon
    pts = [m.xy((t, N4_F(t))) for t in (3 * i / 120 for i in range(121))]
    ax.add_patch(Polygon(pts, closed=True, facecolor=TINT, edgecolor="none", zorder=2))


N4 = graph(
    "N4.bmp",
    curves=[{"f": N4_F, "domain": (0, 3)}],
    window=(-1, 4, -1, 3),
    grid=True,
    extra=_shade_n4,
    texts=[(1.5, 1.0, "S")],
    box=(260, 198),   # of its 260 x 211 box: the instruction line runs 201 px below its top
    proportional=True,
    meaning={"curve": N4_CURVE, "over": (0, 3)},
)

ESTIMATES = {  # what each option claims about S
    "3<S<6": lambda S: 3 < S < 6,
    "1<S<2": lambda S: 1 < S < 2,
    "2<S<3": lambda S: 2 < S < 3,
    "S=0": lambda S: S == 0,
    "S<1": lambda S: S < 1,
}


@check("QN9")
def _(q, pics):
    g = pics["N4.bmp"]
    curve, (a, b) = g.meaning["curve"], g.meaning["over"]
    # The shaded figure lies between the curve and the x-axis: the curve is
    # zero at both ends and positive between them.
    expect(curve.subs(x, a) == 0 and curve.subs(x, b) == 0, "N4: the curve meets Ox at both ends")
    expect(sp.solveset(curve <= 0, x, sp.Interval.open(a, b)) == sp.S.EmptySet,
           "N4: the curve is above Ox between the ends")
    expect(all(abs(g.f(t) - float(curve.subs(x, t))) < 1e-12 for t in (0.3, 1.1, 2.7)),
           "N4: the drawn curve is the described one")
    S = sp.integrate(curve, (x, a, b))
    expect(S == sp.Rational(9, 2), "N4: S = 9/2, not %s" % S)
    for v in variants(q):
        only_keyed(v, lambda o: ESTIMATES[o](S), "estimate")
    return "N4: S = integral of 3x-x^2 over [0;3] = 9/2; only 3<S<6 (keyed) holds"


# ============================================================== question 12
# N5: the cube ABCDA'B'C'D' in cabinet projection: A front left, B front
# right, C back right, D back left (hidden, its three edges dashed); the
# primed vertices above. A parallel projection keeps vector sums, so the sum
# is checked on the picture's own coordinates.
CUBE = {"A": (0, 0, 0), "B": (1, 0, 0), "C": (1, 0, 1), "D": (0, 0, 1)}
CUBE.update({k + "'": (p[0], 1, p[2]) for k, p in list(CUBE.items())})
N5 = figure(
    "N5.bmp",
    points={k: oblique(p) for k, p in CUBE.items()},
    segments=[("A", "B"), ("B", "C"), ("A", "A'"), ("B", "B'"), ("C", "C'"),
              ("A'", "B'"), ("B'", "C'"), ("C'", "D'"), ("D'", "A'")],
    hidden=[("A", "D"), ("D", "C"), ("D", "D'")],
    where={"B'": "se"},
    box=(260, 146),   # of its 260 x 211 box: the instruction line runs 150 px below its top
    proportional=True,
    meaning={"cube": CUBE},
)


def vector(f, name):
    """A vector "AC’" or "A’B’" on the picture N5, by its end points."""
    ends = re.fullmatch(r"([ABCD][’']?)([ABCD][’']?)", name.strip())
    expect(ends is not None, "not a vector name: %r" % name)
    p, r = (f.xy(e.replace("’", "'")) for e in ends.groups())
    return (r[0] - p[0], r[1] - p[1])


def same(u, w):
    return abs(u[0] - w[0]) < 1e-9 and abs(u[1] - w[1]) < 1e-9


@check("QN12")
def _(q, pics):
    f = pics["N5.bmp"]
    for v in variants(q):
        names = re.findall(r"[ABCD]’?[ABCD]’?", v["labels"]["Label14"])
        expect(len(names) == 3, "three vectors are summed: %r" % v["labels"]["Label14"])
        total = [sum(c) for c in zip(*(vector(f, n) for n in names))]
        only_keyed(v, lambda o: same(vector(f, o), total), "vector sum")
    return "N5: in all %d variants the keyed vector is the sum on the cube's picture" % len(
        q["variants"])


# ============================================================== question 13
# N6: the rectangle ABCD (A front left, D front right, C back right, B back
# left) with the line BN perpendicular to its plane, N above B; segments from
# N to A, B, C, D and to a point R of AD. By the theorem of the three
# perpendiculars NA ⊥ AD, so AN is the distance from N to AD.
RECT = {"A": (0, 0, 0), "D": (4, 0, 0), "C": (4, 0, 2.6), "B": (0, 0, 2.6),
        "R": (2.3, 0, 0), "N": (0, 3.1, 2.6)}
N6 = figure(
    "N6.bmp",
    points={k: oblique(p) for k, p in RECT.items()},
    segments=[("A", "B"), ("B", "C"), ("C", "D"), ("D", "A"), ("N", "A"), ("N", "B"),
              ("N", "C"), ("N", "D"), ("N", "R")],
    box=(260, 211),
    proportional=True,
    meaning={"space": RECT},
)


def foot_is(space, line, seg):
    """True when segment seg (two point names, one of them N) runs from N to
    a point of the line perpendicular to it: its length is N's distance to it."""
    P, Q = (sp.Matrix(space[k]) for k in line)
    ends = [k for k in seg if k != "N"]
    if len(ends) != 1:
        return False
    N, F = sp.Matrix(space["N"]), sp.Matrix(space[ends[0]])
    on_line = (F - P).cross(Q - P).norm() == 0
    return on_line and sp.nsimplify((N - F).dot(Q - P)) == 0


@check("QN13")
def _(q, pics):
    space = {k: tuple(sp.nsimplify(c) for c in p)
             for k, p in pics["N6.bmp"].meaning["space"].items()}
    P, Q, N, B = (sp.Matrix(space[k]) for k in ("A", "D", "N", "B"))
    C = sp.Matrix(space["C"])
    expect((N - B).dot(Q - P) == 0 and (N - B).dot(C - B) == 0,
           "N6: BN is perpendicular to the plane")
    for v in variants(q):
        line = re.search(r"прямої ([A-Z])([A-Z])", v["labels"]["Label14"]).groups()
        only_keyed(v, lambda o: foot_is(space, line, tuple(o)), "shortest segment",
                   values=v["forms"])
    return "N6: by coordinates only AN (keyed) is perpendicular to AD with its foot on AD"


# ============================================================== question 14
# The root sign before x of option 5 is sqrt (data/shared.py).

def expression_of(form):
    """An option as the learner sees it ("lnx", "x^3", "2^x", "√x") in sympy."""
    s = form.replace("√x", "sqrt(x)").replace("^", "**")
    s = re.sub(r"(ln|sin|cos)x", r"\1(x)", s).replace("ln(", "log(")
    return sp.sympify(s, locals={"x": x})


@check("QN14")
def _(q, pics):
    for v in variants(q):
        px, py = numbers(v["labels"]["Label1"].split("N", 1)[1])
        only_keyed(v, lambda f: sp.simplify(sp.diff(expression_of(f), x).subs(x, px) - py) == 0,
                   "function whose derivative passes N", values=v["forms"])
    return "derivatives by sympy: only ln x (keyed) has f'(1) = 1"


# ============================================================== question 16
# U16: the inequality (x-2)/(x+3) <= 0; O161 ... O165 the candidate solution
# sets, O163 the right one: (-3; 2].
U16_REL = (x - 2) / (x + 3) <= 0
U16_TEX = r"$\dfrac{x-2}{x+3}\leq 0$"


def _u16(ax):
    # The box stands 25 px above line 2 ("Розв`яжіть нерівність "), whose
    # letters are centred about 37 px below the box top: the fraction bar
    # goes there.
    d.text(ax, 2, 84 - 37, U16_TEX, ha="left", va="center")


U16 = drawing("U16.bmp", box=(197, 84), draw=_u16, trim=False, paper=WINDOW, exact=(INK,),
              meaning=U16_REL)
oo = sp.oo
O16 = {
    "O161.bmp": (r"[{-3};\,2]", sp.Interval(-3, 2)),                      # -3 kept
    "O162.bmp": (r"({-3};\,2)", sp.Interval.open(-3, 2)),                 # 2 lost
    "O163.bmp": (r"({-3};\,2]", sp.Interval.Lopen(-3, 2)),                # right
    "O164.bmp": (r"(-\infty;\,{-3})\cup[2;\,{+\infty})",
                 sp.Union(sp.Interval.open(-oo, -3), sp.Interval(2, oo))),  # sign flipped
    "O165.bmp": (r"({-2};\,3]", sp.Interval.Lopen(-2, 3)),                # roots' signs slipped
}
O16_PICTURES = [formula(name, tex, box=(168, 72), meaning=s) for name, (tex, s) in O16.items()]


@check("QN16")
def _(q, pics):
    rel = pics["U16.bmp"].meaning
    solution = sp.solveset(rel, x, domain=sp.S.Reals)
    expect(solution == sp.Interval.Lopen(-3, 2), "U16 solves to (-3; 2]: %s" % solution)
    for v in variants(q):
        expect(v["picture_options"], "QN16 shows picture options")
        only_keyed(v, lambda o: pics[o].meaning == solution, "solution set")
    return "U16 solved by sympy to (-3;2]: exactly O163 (keyed) matches"


# ============================================================== question 18
# O181 ... O185: two circles of radii 4 and 1 (lengths 8π and 2π), their
# centres d apart: 6 (apart, no common point: right), 5 (touching outside),
# 4,4 (two common points), 3 (touching inside), 1,5 (one inside the other).
# All five are drawn at one scale.
O18_D = {"O181.bmp": 6, "O182.bmp": 5, "O183.bmp": 4.4, "O184.bmp": 3, "O185.bmp": 1.5}


def circles(name, apart):
    # Radii 4 and 1: the widest picture (6 apart) spans 11 units of the 168 px box.
    return figure(
        name,
        points={"_O1": (0, 0), "_O2": (apart, 0)},
        dots=["_O1", "_O2"],
        circles=[("_O1", 4), ("_O2", 1)],
        box=(168, 144),
        px_per_unit=14.5,
        meaning={"r1": 4, "r2": 1, "d": apart},
    )


O18_PICTURES = [circles(name, apart) for name, apart in O18_D.items()]


def position(r1, r2, d):
    """The mutual position of two circles."""
    r1, r2, d = (sp.nsimplify(v) for v in (r1, r2, d))
    if d > r1 + r2:
        return "apart"
    if d == r1 + r2:
        return "touch outside"
    if d > abs(r1 - r2):
        return "cross"
    if d == abs(r1 - r2):
        return "touch inside"
    return "inside"


@check("QN18")
def _(q, pics):
    for v in variants(q):
        (d,) = numbers(v["labels"]["Label1"])
        l1, l2 = numbers(v["labels"]["Label14"])  # lengths l1·π and l2·π
        expect(bare(v["images"]["Image1"]).lower() == "pi.bmp"
               and bare(v["images"]["Image7"]).lower() == "pi.bmp", "π after the lengths")
        asked = position(sp.Rational(l1, 2), sp.Rational(l2, 2), d)
        only_keyed(v, lambda o: position(**{k: pics[o].meaning[k] for k in ("r1", "r2", "d")})
                   == asked, "position")
        for o in v["options"]:  # each picture draws the circles it describes
            m, f = pics[o].meaning, pics[o]
            expect(f.circles[0]["r"] == m["r1"] and f.circles[1]["r"] == m["r2"]
                   and f.dist("_O1", "_O2") == m["d"], "%s draws its meaning" % o)
    return "O18x by coordinates: only O181 (keyed) shows radii 4 and 1 with centres 6 apart (apart)"


# ============================================================== question 19
# O191 ... O195: surface areas; the great circle πR² = 5π gives 4πR² = 20π.
PI = sp.pi
O19 = {
    "O191.bmp": (r"20\pi\ \mathrm{см}^2", 20 * PI),                  # right: 4·5π
    "O192.bmp": (r"10\pi\ \mathrm{см}^2", 10 * PI),                  # 2·5π
    "O193.bmp": (r"\dfrac{20}{3}\pi\ \mathrm{см}^2", sp.Rational(20, 3) * PI),  # 4/3·5π
    "O194.bmp": (r"25\pi\ \mathrm{см}^2", 25 * PI),                  # 5² π
    "O195.bmp": (r"100\pi\ \mathrm{см}^2", 100 * PI),                # 4·5² π
}
O19_PICTURES = [formula(name, tex, box=(168, 144), meaning=s) for name, (tex, s) in O19.items()]


@check("QN19")
def _(q, pics):
    for v in variants(q):
        (k,) = numbers(v["labels"]["Label1"])       # great circle k·π cm²
        expect(bare(v["images"]["Image1"]).lower() == "pi.bmp", "π after the area")
        expect(v["labels"].get("Label8") == "2", "the area is in cm²")
        R2 = sp.Rational(k)                          # π R² = k π
        S = 4 * PI * R2
        only_keyed(v, lambda o: sp.simplify(pics[o].meaning - S) == 0, "surface")
    return "O19x: 4πR² with πR² = 5π is 20π: only O191 (keyed)"


# ============================================================== question 20
# N7: the graph of f'(x) = x²(9 - x²)/10 on (a; b) = (-3,5; 3,3): negative,
# zero at -3, positive, touching zero at 0, positive, zero at 3, negative.
# f' changes sign from + to - once (at 3): one maximum. The touching point
# and the two humps of f' are the traps.
N7_A, N7_B = -3.5, 3.3
N7_FPRIME = x**2 * (9 - x**2) / 10
N7_F = sp.lambdify(x, N7_FPRIME, "numpy")


def _n7_ends(ax, m):
    """Dashed guides from a and b on the x-axis to the ends of the curve."""
    for t in (N7_A, N7_B):
        ax.plot([m.x(t)] * 2, [m.y(0), m.y(N7_F(t))], color=INK, lw=0.7, ls=(0, (3, 2)), zorder=3)


N7 = graph(
    "N7.bmp",
    curves=[{"f": N7_F, "domain": (N7_A, N7_B),
             "ends": ("open", "open")}],
    window=(-4.2, 4.2, -4.3, 3.0),
    xticks=[(N7_A, ""), (N7_B, "")],
    yticks=[],
    texts=[(-3.15, 2.6, r"y=f\,'(x)"), (N7_A, 0.42, "a"), (N7_B, 0.42, "b")],
    extra=_n7_ends,
    box=(260, 211),
    proportional=True,
    meaning={"fprime": N7_FPRIME, "interval": (sp.Rational(-7, 2), sp.Rational(33, 10))},
)


def maxima(fprime, a, b):
    """Points of (a; b) where f' changes sign from + to -."""
    roots = sorted(r for r in sp.real_roots(sp.Poly(sp.numer(sp.together(fprime)), x))
                   if a < r < b)
    cuts = [a] + sorted(set(roots)) + [b]
    signs = [sp.sign(fprime.subs(x, (cuts[i] + cuts[i + 1]) / 2)) for i in range(len(cuts) - 1)]
    return [cuts[i + 1] for i in range(len(signs) - 1) if signs[i] > 0 and signs[i + 1] < 0]


@check("QN20")
def _(q, pics):
    m = pics["N7.bmp"].meaning
    a, b = m["interval"]
    found = maxima(m["fprime"], a, b)
    expect(len(found) == 1, "N7: one change from + to -: %s" % found)
    for v in variants(q):
        only_keyed(v, lambda o: int(o) == len(found), "count of maxima")
    return "N7: f' = x²(9-x²)/10 changes sign + to - once on (a;b): keyed 1"


# ============================================================== tables
# "Ida\VZT_1.txt" (question 11): c1 melons of c2 kg, c3 watermelons of c4 kg,
# c5 pumpkins of c6 kg on average, c7 the average mass of one fruit.
VZT_1_RULE = ("c7 = (c1*c2 + c3*c4 + c5*c6) / (c1 + c3 + c5) exactly; c1, c3, c5 counts 10..150; "
              "melons c2 2..5 kg, watermelons c4 5..12 kg, pumpkins c6 3..15 kg, the three masses "
              "different; rows different; c7 >= 2 so that c7 - 1 is a mass too")


def vzt_1_ok(r):
    c1, c2, c3, c4, c5, c6, c7 = r
    return (10 <= c1 <= 150 and 10 <= c3 <= 150 and 10 <= c5 <= 150
            and 2 <= c2 <= 5 and 5 <= c4 <= 12 and 3 <= c6 <= 15 and len({c2, c4, c6}) == 3
            and c7 * (c1 + c3 + c5) == c1 * c2 + c3 * c4 + c5 * c6 and c7 >= 2)


def vzt_1_rows():
    rng = random.Random(1101)
    rows, seen = [], set()
    while len(rows) < 713:
        c1, c3, c5 = rng.randint(10, 150), rng.randint(10, 150), rng.randint(10, 150)
        c2, c4, c6 = rng.randint(2, 5), rng.randint(5, 12), rng.randint(3, 15)
        total, count = c1 * c2 + c3 * c4 + c5 * c6, c1 + c3 + c5
        if total % count:
            continue
        r = (c1, c2, c3, c4, c5, c6, total // count)
        if vzt_1_ok(r) and r not in seen:
            seen.add(r)
            rows.append(r)
    return rows


# "Ida\VZT_2.txt" (question 17): log_c1 c2 + log_c1 c3 - log_c1 c4 = c5.
# Only c5 < 0 is kept: for c5 > 0 the fifth option log_c1(c2·c3 div c4) is
# log_c1 c1^c5 = c5, a second right answer. With c5 < 0 the options are
#   c5, c5 - 1, -c5, log_c1(c2·c3), log_c1(c4 div c2) = log_c1(c3) - c5,
# and rows are kept only where these five values are all different.
VZT_2_RULE = ("c1^c5 = c2*c3/c4 exactly with c5 in -3..-1; base c1 in 2,3,5,6,7; c2, c3 in 2..20; "
              "c4 <= 999; the five option values c5, c5-1, -c5, log_c1(c2*c3), "
              "log_c1(c4 div c2) pairwise different")


def log_value(base, n):
    """log_base n (base, n >= 2) as an exact Fraction p/q (q <= 6) when it is
    one, else a float."""
    t = math.log(n) / math.log(base)
    for qd in range(1, 7):
        p = round(t * qd)
        if p > 0 and base ** p == n ** qd:
            return Fraction(p, qd)
    return t


def vzt_2_values(r):
    c1, c2, c3, c4, c5 = r
    m = c2 * c3
    if m < c4:
        o4, o5 = m, c4 // c2
    else:
        o4, o5 = c4, m // c4
    return [c5, c5 - 1, -c5, log_value(c1, o4), log_value(c1, o5)]


def vzt_2_ok(r):
    c1, c2, c3, c4, c5 = r
    if not (c1 in (2, 3, 5, 6, 7) and 2 <= c2 <= 20 and 2 <= c3 <= 20 and -3 <= c5 <= -1
            and c4 <= 999 and c4 == c2 * c3 * c1 ** (-c5)):
        return False
    vals = vzt_2_values(r)
    return all(abs(float(vals[i]) - float(vals[j])) > 1e-9
               for i in range(5) for j in range(i + 1, 5))


def vzt_2_rows():
    cands = [(c1, c2, c3, c2 * c3 * c1 ** (-c5), c5)
             for c1 in (2, 3, 5, 6, 7) for c5 in (-1, -2, -3)
             for c2 in range(2, 21) for c3 in range(2, 21)]
    cands = [r for r in cands if vzt_2_ok(r)]
    rng = random.Random(1117)
    return rng.sample(cands, 364)


TABLES = [
    Table("VZT_1.txt", columns=7, min_rows=713, rows=vzt_1_rows, relation=vzt_1_ok,
          rule=VZT_1_RULE),
    Table("VZT_2.txt", columns=5, min_rows=364, rows=vzt_2_rows, relation=vzt_2_ok,
          rule=VZT_2_RULE),
]

PICTURES = [
    shared("chdr4.bmp"), shared("sqrt.bmp"), shared("Pi.bmp"),
    N1,                  # question 2
    N2,                  # question 7
    N4,                  # question 9
    N5,                  # question 12
    N6,                  # question 13
    U16, *O16_PICTURES,  # question 16
    *O18_PICTURES,       # question 18
    *O19_PICTURES,       # question 19
    N7,                  # question 20
]
