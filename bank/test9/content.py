"""Pictures and tables of Test 9, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re

import numpy as np
import sympy as sp

from vztgen import (BLUE, INK, TINT, WINDOW, Table, bare, check, drawing, expect, figure,
                    graph, oblique, only_keyed, shared)
from vztgen import draw as d
from vztgen.common import (TEXT_BASELINE, inline, keyed_value_only, meaning, numbers, same,
                           signed_numbers, text_value, variants)

x = sp.Symbol("x", real=True)
a, b, c = sp.symbols("a b c", real=True)

PICTURES = []
TABLES = []


def options(stem, items, box, baseline, size=None):
    """Option pictures stem1.bmp … stem5.bmp from (tex, meaning) pairs, each
    formula on the same baseline (rows from the box's top), so that the five
    read as one row whatever their heights (`size`: one size for a row whose
    tallest formula the box holds only smaller)."""
    return [inline("%s%d.bmp" % (stem, k), tex, box=box, label_top=baseline - TEXT_BASELINE,
                   picture_top=0, meaning=value, size=size)
            for k, (tex, value) in enumerate(items, 1)]


def keyed_value(q, pics, value, what):
    for v in variants(q):
        keyed_value_only(pics, v, value, what)


def drawn_from(fig, space, **view):
    """Every point of a solid's figure stands where the oblique view puts it."""
    for k, p in space.items():
        expect(np.allclose(fig.xy(k), oblique(tuple(p), **view)),
               "%s: %s is drawn where it stands in space" % (fig.name, k))


def keyed_text(v, value, what):
    """Exactly the keyed text option of a variant reads `value` ("3,4", "-7", "39 м")."""
    only_keyed(v, lambda f: same(text_value(f.split()[0]), value), what, values=v["forms"])


# ============================================================== question 1
# Q91: √50·√2 − ∛125 = 10 − 5 = 5. Wrong: 15 (the terms added), 95 (√100
# taken for 100), −5 (the terms in the other order), 10 (∛125 left out).
Q91 = sp.sqrt(50) * sp.sqrt(2) - sp.cbrt(125)
PICTURES.append(inline("Q91.bmp", r"\sqrt{50}\cdot\sqrt{2}-\sqrt[3]{125}", box=(195, 59),
                       label_top=16, picture_top=3, meaning=Q91))
PICTURES += options("O91", [("5", 5), ("15", 15), ("95", 95), ("{-5}", -5), ("10", 10)],
                    box=(112, 52), baseline=30)


@check("I1")
def _(q, pics):
    keyed_value(q, pics, pics["Q91.bmp"].meaning, "value")
    return "Q91 = %s by sympy, exactly O911 (keyed)" % pics["Q91.bmp"].meaning


# ============================================================== question 2
# Q92: the circle is 6π long, so R = 3 and the disc's area is 9π. Wrong: 36π
# (the length taken for πR), 18π (2πR²), 6π (the length itself), 3π (πR).
# (drawn 80 px wide in its 86-pixel box, which reaches over the full stop)
PICTURES.append(inline("Q92.bmp", r"6\pi", box=(80, 38), label_top=16, picture_top=17,
                       meaning=6 * sp.pi, align="center"))
PICTURES += options("O92", [(r"9\pi", 9 * sp.pi), (r"36\pi", 36 * sp.pi), (r"18\pi", 18 * sp.pi),
                            (r"6\pi", 6 * sp.pi), (r"3\pi", 3 * sp.pi)], box=(174, 55),
                    baseline=30)


@check("I2")
def _(q, pics):
    radius = pics["Q92.bmp"].meaning / (2 * sp.pi)
    keyed_value(q, pics, sp.pi * radius ** 2, "area")
    return "Q92: R = %s, πR² = O921 (keyed)" % radius


# ============================================================== question 3
# Q93: ∛16·∛4 / √0,16 = 4 / 0,4 = 10. Wrong: 25 (the root of 0,16 left
# out), 1,6 (multiplied), 0,1 (turned over), 4 (the denominator left out).
Q93 = sp.cbrt(16) * sp.cbrt(4) / sp.sqrt(sp.Rational(16, 100))
PICTURES.append(inline("Q93.bmp", r"\dfrac{\sqrt[3]{16}\cdot\sqrt[3]{4}}{\sqrt{0{,}16}}",
                       box=(216, 89), label_top=16, picture_top=2, meaning=Q93))
PICTURES += options("O93", [("10", 10), ("25", 25), ("1{,}6", sp.Rational(8, 5)),
                            ("0{,}1", sp.Rational(1, 10)), ("4", 4)], box=(99, 70), baseline=35)


@check("I3")
def _(q, pics):
    keyed_value(q, pics, pics["Q93.bmp"].meaning, "value")
    return "Q93 = %s by sympy, exactly O931 (keyed)" % sp.simplify(pics["Q93.bmp"].meaning)


# ============================================================== question 4
# Q94a: y = x⁴ − 8x², y' = 4x(x² − 4): decreasing on (−∞; −2] and [0; 2].
# Wrong: the intervals of increase, and unions that take in a part where the
# function increases.
Q94 = x ** 4 - 8 * x ** 2
PICTURES.append(inline("Q94a.bmp", r"y=x^4-8x^2", box=(154, 45), label_top=16, picture_top=18,
                       meaning=Q94, align="center"))
oo = sp.oo
PICTURES += options("O94", [
    (r"(-\infty;\,{-2}]\ \mathrm{і}\ [0;\,2]", sp.Union(sp.Interval(-oo, -2), sp.Interval(0, 2))),
    (r"[-2;\,0]\ \mathrm{і}\ [2;\,{+\infty})", sp.Union(sp.Interval(-2, 0), sp.Interval(2, oo))),
    (r"(-\infty;\,{-2}]\ \mathrm{і}\ [2;\,{+\infty})",
     sp.Union(sp.Interval(-oo, -2), sp.Interval(2, oo))),
    (r"[-2;\,2]", sp.Interval(-2, 2)),
    (r"(-\infty;\,0]", sp.Interval(-oo, 0)),
], box=(230, 47), baseline=28)


@check("I4")
def _(q, pics):
    f = pics["Q94a.bmp"].meaning
    slope = sp.diff(f, x)
    falling = sp.solveset(slope < 0, x, sp.S.Reals).closure
    rising = sp.solveset(slope > 0, x, sp.S.Reals)
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == falling, "intervals of decrease")
        for o in v["options"]:
            if meaning(pics, o) != falling:
                expect(sp.Intersection(meaning(pics, o), rising) != sp.S.EmptySet,
                       "I4: %s takes in a part where the function increases" % bare(o))
    return "Q94a: y' < 0 on %s by sympy, exactly O941 (keyed); each other option takes in a " \
           "part of %s where y increases" % (falling, rising)


# ============================================================== question 5
# 4 white, 3 black and 5 red balls: P(red) = 5/12. Wrong: 1/3 (the colours
# taken as equally likely), 5/7 (red to the others), 1/12, 7/12 (not red).
PICTURES += options("O95", [(r"\dfrac{5}{12}", sp.Rational(5, 12)),
                            (r"\dfrac{1}{3}", sp.Rational(1, 3)),
                            (r"\dfrac{5}{7}", sp.Rational(5, 7)),
                            (r"\dfrac{1}{12}", sp.Rational(1, 12)),
                            (r"\dfrac{7}{12}", sp.Rational(7, 12))], box=(61, 66), baseline=38)


@check("I5")
def _(q, pics):
    for v in variants(q):
        white, black, red = numbers(v["labels"]["Label1"])[:3]
        keyed_value_only(pics, v, sp.Rational(red, white + black + red), "probability")
    return "I5: 5 red of 12 balls, 5/12 = O951 (keyed)"


# ============================================================== question 6
# Five graphs in one window; only O961 (y = x⁴/8 − x² − 1, on all of R) is the
# graph of an even function. O962 is odd, O963 a parabola shifted to the
# right, O964 (y = √(x + 3) − 1) and O965 (y = x²/2 − 2 on [−2; 3]) have
# domains that are not symmetric about 0.
EVEN_WINDOW = (-4.5, 4.5, -3.5, 3.5)


def _graph6(name, expr, domain=sp.S.Reals):
    f = sp.lambdify(x, expr, "numpy")
    curve = {"f": f}
    lo, hi = domain.inf, domain.sup
    if domain != sp.S.Reals:
        curve["domain"] = (float(max(lo, EVEN_WINDOW[0])), float(min(hi, EVEN_WINDOW[1])))
        curve["ends"] = tuple("closed" if e.is_finite and e in domain else None
                              for e in (lo, hi))
    return graph(name, curves=[curve], window=EVEN_WINDOW, grid=True, box=(338, 263),
                 proportional=True, meaning={"f": expr, "domain": domain})


PICTURES += [
    _graph6("O961.bmp", x ** 4 / 8 - x ** 2 - 1),
    _graph6("O962.bmp", x ** 3 / 4 - x),
    _graph6("O963.bmp", (x - 1) ** 2 - 2),
    _graph6("O964.bmp", sp.sqrt(x + 3) - 1, sp.Interval(-3, oo)),
    _graph6("O965.bmp", x ** 2 / 2 - 2, sp.Interval(-2, 3)),
]


def is_even(g):
    """The function of a graph is even: its domain is symmetric about 0 and
    f(−x) = f(x). Its drawing is checked against the same function first."""
    f, domain = g.meaning["f"], g.meaning["domain"]
    curve = g.curves[0]
    lo, hi = curve.get("domain", g.window[:2])
    visible = sp.Intersection(domain, sp.Interval(*g.window[:2]))
    expect(abs(lo - float(visible.inf)) < 1e-12 and abs(hi - float(visible.sup)) < 1e-12,
           "%s: drawn over its domain" % g.name)
    for xv in np.linspace(lo, hi, 41):
        expect(abs(float(curve["f"](xv)) - float(f.subs(x, xv))) < 1e-9,
               "%s: the drawn curve is its function" % g.name)
    symmetric = domain == sp.imageset(sp.Lambda(x, -x), domain)
    return symmetric and sp.simplify(f.subs(x, -x) - f) == 0


@check("I6")
def _(q, pics):
    for v in variants(q):
        only_keyed(v, lambda o: is_even(pics[bare(o)]), "graph of an even function")
    return "O961 is even (symmetric domain, f(-x) = f(x) by sympy); O962-O965 are not"


# ============================================================== question 7
# The table "VZT_12.txt": a, b, c and V, the value of |x| + |a − bx| at
# x = −c, as the window shows the expression (its code-5 characters are the
# modulus bars). a from 1 to 9, b from 2 to 7 (no "1x"), c from 1 to 6: 324
# rows. The options V, V ± 1, V ± 2 always differ; the C++ verifier reads the
# shown expression and recomputes V.


def vzt12_value(a_, b_, c_):
    return abs(-c_) + abs(a_ - b_ * -c_)


TABLES.append(Table(
    "VZT_12.txt", columns=4, min_rows=324,
    rows=[(a_, b_, c_, vzt12_value(a_, b_, c_))
          for a_ in range(1, 10) for b_ in range(2, 8) for c_ in range(1, 7)],
    relation=lambda r: r[3] == vzt12_value(r[0], r[1], r[2]) and min(r[0], r[2]) >= 1 and r[1] >= 2,
    rule="c4 = |x| + |c1 - c2·x| at x = -c3 (so c3 + |c1 + c2·c3|); every c1 in 1..9, c2 in "
         "2..7, c3 in 1..6, in that order"))


@check("I7")
def _(q, pics):
    for v in variants(q):
        stored = v["labels"]["Label1"]
        expect(stored.count("\x05") == 4 and "|" not in stored, "I7: the bars are stored as code 5")
        shown = stored.replace("\x05", "|")             # what the label shows
        m = re.fullmatch(r"Знайдіть значення виразу \|x\|\+\|(\d+)-(\d+)x\| при х=(-\d+)", shown)
        expect(m is not None, "I7: line 1 shows |x|+|a-bx| at x = -c: %r" % shown)
        a_, b_, at = (int(k) for k in m.groups())
        value = (sp.Abs(x) + sp.Abs(a_ - b_ * x)).subs(x, at)
        keyed_text(v, value, "value")
    return "I7: %d rows; the value of the shown |x|+|a-bx| is exactly the keyed option" % len(
        q["variants"])


# ============================================================== question 8
# Q98: f(x) = 6x²; F(x) = 2x³ + C through A(1; 1): C = −1. Wrong: the sign of
# C, the derivative through A, the power raised without dividing, C left out.
Q98 = 6 * x ** 2
# (drawn 33 px high in its 44-pixel box, clear of line 2 under it)
PICTURES.append(inline("Q98.bmp", r"f(x)=6x^2", box=(81, 33), label_top=21, picture_top=20,
                       meaning=Q98, align="center"))
PICTURES += options("O98", [(r"F(x)=2x^3-1", 2 * x ** 3 - 1), (r"F(x)=2x^3+1", 2 * x ** 3 + 1),
                            (r"F(x)=12x-11", 12 * x - 11), (r"F(x)=6x^3-5", 6 * x ** 3 - 5),
                            (r"F(x)=2x^3", 2 * x ** 3)], box=(208, 45), baseline=28)


@check("I8")
def _(q, pics):
    f = pics["Q98.bmp"].meaning
    for v in variants(q):
        px, py = numbers(v["labels"]["Label14"])[-2:]

        def antiderivative(o):
            F = meaning(pics, o)
            return sp.simplify(sp.diff(F, x) - f) == 0 and F.subs(x, px) == py

        only_keyed(v, antiderivative, "antiderivative through A")
    return "Q98: only O981 (keyed) has F' = 6x² (sympy) and F(1) = 1"


# ============================================================== question 9
# Q99: "a < b < 0, то яка з нерівностей правильна?" on two lines, the first
# on the baseline of "Якщо". With a = −t − s, b = −t (s, t > 0): a² − b² =
# s² + 2st > 0, so a² > b² holds; 1/a < 1/b, |a| < |b|, a³ > b³ and −a < −b
# all fail for every such a, b.
Q99_CONDITION = (a < b, b < 0)


def _q99(ax):
    # the condition in the formulas' style, the words as the bold question
    # text draws them, wrapped to the box; the first line stands on the
    # baseline of "Якщо" (label top 16), the second 32 px under it
    w, h = 343, 68
    base = h - (16 + TEXT_BASELINE - 10)
    renderer = ax.figure.canvas.get_renderer()

    def right_end(artist):
        return ax.transData.inverted().transform(artist.get_window_extent(renderer))[1][0]

    at = right_end(d.text(ax, 1, base, "$a<b<0$")) + 1
    line = ","
    for word in "то яка з нерівностей правильна?".split():
        piece = d.text_px(ax, at, base, line + " " + word, 24, font=d.tahoma(bold=True))
        fits = right_end(piece) <= w - 3
        piece.remove()
        if fits:
            line += " " + word
        else:
            d.label_text(ax, at, base, line)
            at, base, line = 1, base - 32, word
    d.label_text(ax, at, base, line)
    expect(base > 5, "Q99: the question fits two lines")


PICTURES.append(drawing("Q99.bmp", box=(343, 68), draw=_q99, trim=False, paper=WINDOW,
                        exact=(INK, BLUE), meaning=Q99_CONDITION))
PICTURES += options("O99", [(r"a^2>b^2", a ** 2 > b ** 2),
                            (r"\dfrac{1}{a}<\dfrac{1}{b}", 1 / a < 1 / b),
                            (r"\left|a\right|<\left|b\right|", sp.Abs(a) < sp.Abs(b)), (r"a^3>b^3", a ** 3 > b ** 3),
                            (r"-a<-b", -a < -b)], box=(188, 68), baseline=38)


def always(relation):
    """The relation holds for every a < b < 0 (proved with a = −t − s, b = −t,
    s, t > 0); False when a pair a < b < 0 breaks it."""
    s, t = sp.symbols("s t", positive=True)
    gap = sp.simplify((relation.gts - relation.lts).subs({a: -t - s, b: -t}))
    if gap.is_positive:
        return True
    for av, bv in [(-2, -1), (-3, -1), (-5, -4), (-1, sp.Rational(-1, 2))]:
        if not relation.subs({a: av, b: bv}):
            return False
    raise AssertionError("I9: cannot decide %s" % relation)


@check("I9")
def _(q, pics):
    expect(set(pics["Q99.bmp"].meaning) == {a < b, b < 0}, "Q99: the condition is a < b < 0")
    for v in variants(q):
        only_keyed(v, lambda o: always(meaning(pics, o)), "inequality that follows")
    return "Q99: a < b < 0; a² > b² (O991, keyed) holds for all such a, b, the others fail"


# ============================================================== question 10
# Q910b: y = −x² + 3x − 1: the branches go down (a < 0), the vertex x = 1,5
# lies right of the y axis (−b/(2a) > 0, so b > 0), the graph meets the
# y axis below 0 (c < 0). Wrong options flip one or all of the signs.
Q910B = -x ** 2 + 3 * x - 1
PICTURES.append(inline("Q910.bmp", r"y=ax^2+bx+c", box=(160, 46), label_top=21, picture_top=20,
                       meaning=a * x ** 2 + b * x + c))
PICTURES.append(graph("Q910b.bmp", curves=[sp.lambdify(x, Q910B, "numpy")],
                      window=(-1.5, 4.5, -2.5, 2), xticks=[], yticks=[], marks=False,
                      box=(249, 183), proportional=True, meaning={"f": Q910B}))


def _signs(name, sa, sb, sc):
    """The three signs on three lines, 34 px apart."""
    rel = {1: ">", -1: "<"}
    lines = [r"a%s0," % rel[sa], r"b%s0," % rel[sb], r"c%s0" % rel[sc]]

    def draw(ax):
        for i, line in enumerate(lines):
            d.text(ax, 3, 126 - 30 - 34 * i, "$%s$" % line)

    return drawing(name, box=(98, 126), draw=draw, paper=WINDOW, exact=(INK,),
                   meaning={"a": sa, "b": sb, "c": sc})


PICTURES += [_signs("O910%d.bmp" % k, *signs) for k, signs in
             enumerate([(-1, 1, -1), (-1, -1, -1), (1, 1, -1), (-1, 1, 1), (1, -1, 1)], 1)]


@check("I10")
def _(q, pics):
    expect(pics["Q910.bmp"].meaning == a * x ** 2 + b * x + c, "Q910: y = ax² + bx + c")
    f = pics["Q910b.bmp"].f
    # the drawn curve's own coefficients, from three of its points; a fourth confirms them
    A, B, C = np.linalg.solve([[0, 0, 1], [1, 1, 1], [4, 2, 1]], [f(0.0), f(1.0), f(2.0)])
    expect(abs(A * 9 + B * 3 + C - f(3.0)) < 1e-9, "Q910b: the graph is a parabola")
    signs = {"a": int(np.sign(A)), "b": int(np.sign(B)), "c": int(np.sign(C))}
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == signs, "signs")
    return "Q910b: a = %g, b = %g, c = %g from the curve; signs %s = O9101 (keyed)" % (A, B, C,
                                                                                      signs)


# ============================================================== question 11
# The table "VZT_13.txt": a and b with coordinates from −5 to 5 (neither the
# zero vector), D = a·b; rows pairwise different, drawn by a seeded
# generator. The options D, D ± 1, D ± 2 always differ; the C++ verifier
# recomputes D from the shown coordinates.
VZT13_ROWS = 175464


def vzt13_rows():
    rnd = random.Random(913)
    seen = set()
    rows = []
    while len(rows) < VZT13_ROWS:
        vec = tuple(rnd.randint(-5, 5) for _ in range(6))
        if vec in seen or not any(vec[:3]) or not any(vec[3:]):
            continue
        seen.add(vec)
        rows.append(vec + (sum(vec[i] * vec[i + 3] for i in range(3)),))
    return rows


TABLES.append(Table(
    "VZT_13.txt", columns=7, min_rows=VZT13_ROWS, rows=vzt13_rows,
    relation=lambda r: r[6] == r[0] * r[3] + r[1] * r[4] + r[2] * r[5]
    and all(-5 <= k <= 5 for k in r[:6]) and any(r[:3]) and any(r[3:6]),
    rule="c7 = c1·c4 + c2·c5 + c3·c6 (the scalar product of a(c1;c2;c3) and b(c4;c5;c6)); "
         "coordinates -5..5, neither vector zero, rows pairwise different (seeded draw)"))


@check("I11")
def _(q, pics):
    for v in variants(q):
        m = re.fullmatch(r"Знайдіть скалярний добуток векторів а\((.*)\) i b\((.*)\)",
                         v["labels"]["Label1"])
        expect(m is not None, "I11: line 1 names a(...) and b(...)")
        u, w = (sp.Matrix(signed_numbers(g)) for g in m.groups())
        keyed_text(v, u.dot(w), "scalar product")
    return "I11: %d dumped rows; a·b from the shown coordinates is exactly the keyed option" % len(
        q["variants"])


# ============================================================== question 12
# Q912: a cylinder (radius 2, height 4) with the cone inscribed in it: the
# cone's base is the cylinder's lower base and its apex the centre of the
# upper base, so the cone has a third of the cylinder's volume.
R12, H12, K12 = 2.0, 4.0, 0.32          # radius, height, flattening of the bases
PICTURES.append(figure(
    "Q912.bmp",
    points={"_O1": (0, 0), "_O2": (0, H12), "_L1": (-R12, 0), "_R1": (R12, 0),
            "_L2": (-R12, H12), "_R2": (R12, H12)},
    segments=[("_L1", "_L2"), ("_R1", "_R2"), ("_O2", "_L1"), ("_O2", "_R1")],
    hidden=[("_O1", "_O2")],
    ellipses=[{"c": "_O1", "rx": R12, "ry": R12 * K12, "hidden": "top"},
              {"c": "_O2", "rx": R12, "ry": R12 * K12}],
    dots=["_O1", "_O2"], box=(169, 214), proportional=True,
    meaning={"cylinder": ("_O1", "_O2", R12), "cone": {"base": ("_O1", R12), "apex": "_O2"}}))


@check("I12")
def _(q, pics):
    f = pics["Q912.bmp"]
    lower, upper, radius = f.meaning["cylinder"]
    cone = f.meaning["cone"]
    expect(cone["base"] == (lower, radius) and cone["apex"] == upper,
           "Q912: the cone stands on the lower base with its apex at the upper centre")
    expect(all(abs(f.dist("_O2", e) - math.hypot(radius, f.dist(lower, upper))) < 1e-9
               for e in ("_L1", "_R1")), "Q912: the cone's sides run to the lower rim")
    part = sp.Rational(1, 3)            # πr²h/3 against πr²h
    for v in variants(q):
        volume = numbers(v["labels"]["Label14"])[-1]
        keyed_text(v, part * volume, "cone's volume")
    return "Q912: same base and height, the cone is 1/3 of the cylinder (%d variants)" % len(
        q["variants"])


# ============================================================== question 13
# Statements: I false (two angles with sum 180° need not be adjacent), II true,
# III as Q913 shows it, IV true. Q913 shows c² = a² + b², with the
# hypotenuse a: false, as a² = b² + c² gives c² − a² − b² = −2b² ≠ 0.
# (drawn 48 px high in its 52-pixel box, clear of line 6 under it)
PICTURES.append(inline("Q913.bmp", r"c^2=a^2+b^2", box=(139, 48), label_top=144,
                       picture_top=141, meaning=sp.Eq(c ** 2, a ** 2 + b ** 2)))
KNOWN_13 = {"I": False, "II": True, "IV": True}


@check("I13")
def _(q, pics):
    shown = pics["Q913.bmp"].meaning
    legs = sp.symbols("p r", positive=True)       # the legs b and c
    hyp = sp.sqrt(legs[0] ** 2 + legs[1] ** 2)
    gap = sp.simplify((shown.lhs - shown.rhs).subs({b: legs[0], c: legs[1], a: hyp}))
    truth = dict(KNOWN_13, III=gap == 0)
    expect(not truth["III"] and gap.is_nonzero, "Q913 is false in every right triangle")
    right = {k for k, ok in truth.items() if ok}
    for v in variants(q):
        expect(v["labels"]["Label15"].startswith("III ") and "катетами b, c i гіпотенузою а"
               in v["labels"]["Label15"], "I13: statement III names the legs b, c")
        only_keyed(v, lambda f: set(re.findall(r"\b(?:IV|III|II|I)\b", f)) == right,
                   "set of true statements", values=v["forms"])
    return "Q913: c² - a² - b² = %s in a right triangle with hypotenuse a; true: %s, keyed" % (
        gap, " і ".join(sorted(right)))


# ============================================================== question 14
# Q914: the right triangle ABC (right angle C, at the back) lies flat, SC
# stands upright on it; N is the foot of the height from C to AB, K another
# point of AB. By the three perpendiculars SN ⊥ AB, so SN is the distance
# asked. Seen from the front, the faces at C hide SC and the lines in ABC.
S14 = {"A": (0, 0, 0), "B": (8, 0, 0)}
S14["C"] = (4 + 4 * math.cos(math.radians(105)), 0, 4 * math.sin(math.radians(105)))
S14.update(S=(S14["C"][0], 5, S14["C"][2]), N=(S14["C"][0], 0, 0), K=(6.2, 0, 0))
VIEW14 = {"k": 0.7, "angle": 40}


def _view14(p):
    return oblique(p, **VIEW14)


PICTURES.append(figure(
    "Q914.bmp", points={k: _view14(p) for k, p in S14.items()},
    segments=[("S", "A"), ("S", "B"), ("S", "N"), ("S", "K"), ("A", "B")],
    hidden=[("S", "C"), ("C", "A"), ("C", "B"), ("C", "N")],
    right_angles=[("C", "N", "B")], where={"C": "e"},
    box=(283, 285), proportional=True, meaning={"points": S14, "view": VIEW14}))


@check("I14")
def _(q, pics):
    f = pics["Q914.bmp"]
    drawn_from(f, f.meaning["points"], **f.meaning["view"])
    P = {k: np.array(p, dtype=float) for k, p in f.meaning["points"].items()}
    ab = P["B"] - P["A"]
    expect(abs(np.dot(P["A"] - P["C"], P["B"] - P["C"])) < 1e-9, "Q914: the right angle is C")
    expect(all(abs(np.dot(P["S"] - P["C"], P[k] - P["C"])) < 1e-9 for k in "AB"),
           "Q914: SC is perpendicular to the plane ABC")
    expect(pics["PP.bmp"].meaning == "perpendicular", "I14: the sign in line 2 is ⊥")

    def distance_to_ab(form):
        start, end = form[0], form[1]
        on_ab = np.linalg.norm(np.cross(P[end] - P["A"], ab)) < 1e-9
        return start == "S" and on_ab and abs(np.dot(P["S"] - P[end], ab)) < 1e-9

    for v in variants(q):
        expect(v["images"].get("Image7", "").endswith("PP.bmp"), "I14: SC ⊥ (ABC) in line 2")
        only_keyed(v, distance_to_ab, "perpendicular from S to AB", values=v["forms"])
    return "Q914: SN ⊥ AB from the coordinates (N the foot of CN), SN (keyed) only"


# ============================================================== question 15
# Text only: the path is the integral of 3 + 4t from 1 to 4, 39 m. Wrong:
# 15 (v(3)), 69, 12 (3·4) and 30 (the 4t part alone).


@check("I15")
def _(q, pics):
    t = sp.Symbol("t", real=True)
    for v in variants(q):
        m = re.search(r"v\(t\)=(\d+)\+(\d+)t", v["labels"]["Label14"])
        t0 = numbers(v["labels"]["Label14"])[-1]
        t1 = numbers(v["labels"]["Label8"])[0]
        path = sp.integrate(int(m.group(1)) + int(m.group(2)) * t, (t, t0, t1))
        keyed_text(v, path, "path")
    return "I15: the integral of v(t) from 1 to 4 is 39, exactly the keyed option"


# ============================================================== question 16
# Q916: the frequency polygon of the marks of 15 students: mark 2 four times,
# 3 three times, 4 six times, 5 twice; 51 points in all, the mean 3,4.
# Wrong: 4 (the mode), 6 (the greatest frequency), 5 (the best mark), 4,2.
MARKS = {2: 4, 3: 3, 4: 6, 5: 2}
PICTURES.append(graph(
    "Q916.bmp",
    curves=[{"f": lambda t: np.interp(t, list(MARKS), list(MARKS.values())),
             "domain": (min(MARKS), max(MARKS))}],
    points=[(m, n) for m, n in MARKS.items()], grid=True,
    window=(0, 6.6, 0, 6.6), xticks=[1, 2, 3, 4, 5], yticks="all", letters=("оцінка", "n"),
    box=(283, 275), proportional=True, meaning={"frequencies": MARKS}))


@check("I16")
def _(q, pics):
    g = pics["Q916.bmp"]
    dots = [p["at"] for p in g.points]
    expect(all(abs(g.f(m) - n) < 1e-9 for m, n in dots), "Q916: the polygon runs through its dots")
    expect({m: n for m, n in dots} == g.meaning["frequencies"], "Q916: the dots are the data")
    people = sum(n for _, n in dots)
    mean = sp.Rational(sum(m * n for m, n in dots), people)
    for v in variants(q):
        expect(numbers(v["labels"]["Label1"])[0] == people, "I16: 15 students in the text")
        keyed_text(v, mean, "mean mark")
    return "Q916: %d students, %d points, mean %s = 3,4 (keyed)" % (
        people, sum(m * n for m, n in dots), mean)


# ============================================================== question 17
# A(0;0), B(−6;3), C(2;−1): D = (−2;1), AD = √5. Wrong: 5 (the root left
# out), 2√5 (half of BC), 3 (|−2| + |1|), 2√2 (D with a sign slip, (−2;2)).
PICTURES += options("O917", [(r"\sqrt{5}", sp.sqrt(5)), ("5", 5), (r"2\sqrt{5}", 2 * sp.sqrt(5)),
                             ("3", 3), (r"2\sqrt{2}", 2 * sp.sqrt(2))], box=(132, 67),
                    baseline=36)


@check("I17")
def _(q, pics):
    for v in variants(q):
        ax_, ay_, bx_, by_, cx_, cy_ = signed_numbers(v["labels"]["Label1"])[:6]
        mx, my = sp.Rational(bx_ + cx_, 2), sp.Rational(by_ + cy_, 2)
        keyed_value_only(pics, v, sp.sqrt((mx - ax_) ** 2 + (my - ay_) ** 2), "median")
    return "I17: D = (-2;1), AD = √5 from the shown points, O9171 (keyed)"


# ============================================================== question 18
# All lateral faces at 60° to the base: the base is the lateral surface
# projected, S = 64·cos 60° = 32. Wrong: 128 (divided by the cosine), 32√3
# (the sine), 16, 16√3.
PICTURES += options("O918", [("32", 32), ("128", 128), (r"32\sqrt{3}", 32 * sp.sqrt(3)),
                             ("16", 16), (r"16\sqrt{3}", 16 * sp.sqrt(3))], box=(132, 67),
                    baseline=36)


@check("I18")
def _(q, pics):
    for v in variants(q):
        lateral = numbers(v["labels"]["Label1"])[0]
        angle = numbers(v["labels"]["Label8"])[0]
        keyed_value_only(pics, v, lateral * sp.cos(sp.rad(angle)), "base area")
    return "I18: 64·cos 60° = 32, O9181 (keyed)"


# ============================================================== question 19
# Q919s: the radius √6. Q919: ABCD inscribed in the circle (A at 210°, B at
# 100°, C at 330°, D at 270°), the angle D (120°) marked with an arc: AC = 2R sin 120° =
# R√3 = 3√2. Wrong: √6 (AC = R), 2√6 (the diameter), 2√3 (R√2), 6 (R²).
R19 = sp.sqrt(6)
# (a root of the full size is taller than the room over line 1's baseline:
# it stands a few pixels low rather than small)
PICTURES.append(inline("Q919s.bmp", r"\sqrt{6}.", box=(76, 35), label_top=24, picture_top=27,
                       meaning=R19))
_at19 = {"A": 210, "B": 100, "C": 330, "D": 270}
PICTURES.append(figure(
    "Q919.bmp",
    points=dict({k: d.polar((0, 0), float(R19), deg) for k, deg in _at19.items()}, O=(0, 0)),
    segments=[("A", "B"), ("B", "C"), ("C", "D"), ("D", "A"), ("A", "C")],
    circles=[("O", float(R19))], angles=[("C", "D", "A")],
    box=(199, 205), proportional=True, meaning={"R": R19, "D": 120}))
PICTURES += options("O919", [(r"3\sqrt{2}", 3 * sp.sqrt(2)), (r"\sqrt{6}", sp.sqrt(6)),
                             (r"2\sqrt{6}", 2 * sp.sqrt(6)), (r"2\sqrt{3}", 2 * sp.sqrt(3)),
                             ("6", 6)], box=(76, 35), baseline=25, size=16)


@check("I19")
def _(q, pics):
    f = pics["Q919.bmp"]
    radius = pics["Q919s.bmp"].meaning
    expect(f.meaning["R"] == radius, "Q919 is drawn with the radius of Q919s")
    expect(all(abs(f.dist("O", k) - float(radius)) < 1e-9 for k in "ABCD"),
           "Q919: A, B, C, D lie on the circle")
    expect(abs(f.angle("A", "D", "C") - f.meaning["D"]) < 1e-9, "Q919: the angle D is 120°")
    chord = 2 * radius * sp.sin(sp.rad(f.meaning["D"]))
    expect(abs(f.dist("A", "C") - float(chord)) < 1e-9, "Q919: AC as drawn is 2R sin D")
    for v in variants(q):
        expect(v["labels"]["Label14"].endswith("кут D=120°"), "I19: the angle D in line 2")
        keyed_value_only(pics, v, chord, "diagonal AC")
    return "Q919: R = √6, D = 120°: AC = %s from the figure, O9191 (keyed)" % sp.simplify(chord)


# ============================================================== question 20
# Q920: the box ABCDA'B'C'D' (ABCD the lower face, A at the front left) with
# the pyramid ABCB' shaded: its base is half of ABCD and its height BB', so
# its volume is a sixth of the box's.
BOX20 = {"A": (0, 0, 0), "B": (4.5, 0, 0), "C": (4.5, 0, 3), "D": (0, 0, 3)}
BOX20.update({k + "'": (p[0], 3.6, p[2]) for k, p in list(BOX20.items())})
PYRAMID20 = ("A", "B", "C", "B'")
PICTURES.append(figure(
    "Q920.bmp", points={k: oblique(p) for k, p in BOX20.items()},
    segments=[("A", "B"), ("B", "C"), ("A", "A'"), ("B", "B'"), ("C", "C'"), ("A'", "B'"),
              ("B'", "C'"), ("C'", "D'"), ("D'", "A'"), ("A", "B'"), ("C", "B'")],
    hidden=[("A", "D"), ("D", "C"), ("D", "D'"), ("A", "C")],
    fills=[(["A", "C", "B'"], TINT)], where={"D": "w", "B'": "nw"},
    # kept narrower than its 308-pixel box: the window's "X" stands over its right end
    box=(276, 258), proportional=True, meaning={"box": BOX20, "pyramid": PYRAMID20}))


@check("I20")
def _(q, pics):
    f = pics["Q920.bmp"]
    drawn_from(f, f.meaning["box"])
    P = {k: sp.Matrix(p) for k, p in f.meaning["box"].items()}
    edges = [P["B"] - P["A"], P["D"] - P["A"], P["A'"] - P["A"]]
    box_volume = abs(sp.Matrix.hstack(*edges).det())
    A, B, C, B1 = (P[k] for k in f.meaning["pyramid"])
    pyramid = abs(sp.Matrix.hstack(B - A, C - A, B1 - A).det()) / 6
    part = sp.nsimplify(pyramid / box_volume)
    for v in variants(q):
        expect(v["labels"]["Label8"] == "АВСВ`", "I20: the pyramid ABCB`")
        volume = numbers(v["labels"]["Label14"])[0]
        keyed_text(v, part * volume, "pyramid's volume")
    return "Q920: the pyramid ABCB' is %s of the box by its coordinates (%d variants)" % (
        part, len(q["variants"]))


# The sign ⊥ of question 14 is described with Test 2's question 17.
PICTURES.append(shared("PP.bmp"))
