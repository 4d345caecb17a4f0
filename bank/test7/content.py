"""Pictures and tables of Test 7, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re

import sympy as sp
from matplotlib.patches import Arc
from sympy.parsing.sympy_parser import (implicit_multiplication_application, parse_expr,
                                        standard_transformations)

from vztgen import (BLUE, INK, WINDOW, Table, bare, check, drawing, expect, figure, formula, graph,
                    oblique, only_keyed, shared)
from vztgen import draw as d
from vztgen.common import (inline, keyed_value_only, meaning, number_option, numbers, same,
                           signed_numbers, variants)

x = sp.Symbol("x", real=True)
a, b, c = sp.symbols("a b c", positive=True)
C = sp.Symbol("C")

PICTURES = []
TABLES = []

LABEL_PX = 24          # the question text: Tahoma 24 px bold

# ============================================================== shared with other tests
# O735: the set (−∞; −3) ∪ (2; +∞). A wrong option of question 3 here and the
# right option of Test 10 question 16 (whose inequality has exactly these
# solutions); both questions check it.
PICTURES.append(formula(
    "O735.bmp", r"(-\infty;\,{-3})\cup(2;\,{+\infty})", box=(164, 74),
    meaning=sp.Union(sp.Interval.open(-sp.oo, -3), sp.Interval.open(2, sp.oo))))


# ============================================================== helpers
def _labels(v, *names):
    return [v["labels"].get(n, "") for n in names]


def _sign(name, box, text, baseline, centre, meaning, arrow=False):
    """A sign in the question text's blue and font (Tahoma 24 px bold) on the
    window's grey, its baseline on row `baseline` of its box, centred on
    column `centre`; `arrow` draws a vector arrow over it. Like the labels'
    bold text, it is struck again a fraction of a pixel to the right."""
    w, h = box

    def draw(ax):
        renderer = ax.figure.canvas.get_renderer()
        to_box = ax.transData.inverted()
        t = d.text_px(ax, 0, h - baseline, text, LABEL_PX, color=BLUE, font=d.tahoma(bold=True))
        (x0, _), (x1, _) = to_box.transform(t.get_window_extent(renderer=renderer).get_points())
        t.remove()
        left = centre - (x1 - x0) / 2
        d.label_text(ax, left - x0, h - baseline, text, LABEL_PX)
        if arrow:
            y = h - baseline + 22.5
            d.line(ax, [(left + 1, y), (left + x1 - x0 - 7, y)], color=BLUE, width=1.4)
            tip = left + x1 - x0
            d.polygon(ax, [(tip, y), (tip - 9, y + 3.6), (tip - 7, y), (tip - 9, y - 3.6)],
                      face=BLUE, edge=BLUE, width=0.6)

    return drawing(name, box=box, draw=draw, trim=False, paper=WINDOW, exact=(BLUE,),
                   meaning=meaning)


def _options(stem, texs, values, box, kind=number_option):
    """Option pictures <stem>1 ... <stem>5 with their meanings."""
    return [kind("%s%d.bmp" % (stem, k), tex, value, box=box)
            for k, (tex, value) in enumerate(zip(texs, values), 1)]


def _formula_option(name, tex, value, box):
    return formula(name, tex, box=box, meaning=value)


def _level_option(name, tex, value, box):
    """An option whose baseline is row 36 of its box, so that options of
    different heights (a fraction beside a whole number) stand level."""
    return inline(name, tex, box=box, label_top=36 - 19, picture_top=0, meaning=value)


# ============================================================== question 1
# Q71: a = (3b − c)/2, so b = (2a + c)/3. Wrong: the sign of c, 2 and 3
# swapped, c alone divided by 3, both a and c doubled.
PICTURES.append(inline("Q71.bmp", r"a=\dfrac{3b-c}{2}", box=(94, 55), label_top=24,
                       picture_top=10, meaning=sp.Eq(a, (3 * b - c) / 2)))
PICTURES += _options(
    "O71", [r"b=\dfrac{2a+c}{3}", r"b=\dfrac{2a-c}{3}", r"b=\dfrac{3a+c}{2}",
            r"b=2a+\dfrac{c}{3}", r"b=\dfrac{2(a+c)}{3}"],
    [sp.Eq(b, e) for e in [(2 * a + c) / 3, (2 * a - c) / 3, (3 * a + c) / 2, 2 * a + c / 3,
                           2 * (a + c) / 3]],
    box=(136, 83), kind=_formula_option)


@check("W1")
def _(q, pics):
    solved = sp.solve(pics["Q71.bmp"].meaning, b)
    expect(len(solved) == 1, "Q71 gives one b")

    def right(o):
        eq = meaning(pics, o)
        return eq.lhs == b and sp.simplify(eq.rhs - solved[0]) == 0

    for v in variants(q):
        expect(_labels(v, "Label1") == ["Виразіть b, якщо "], "W1: the text asks for b")
        only_keyed(v, right, "b expressed")
    return "Q71 solved for b by sympy: b = %s, exactly O711 (keyed)" % solved[0]


# ============================================================== question 2
# Text only. The triangles are similar (equal vertex angles), with the bases
# 15 and 5 in the ratio 3. The lateral side 7 cannot belong to the base 15
# (7 + 7 < 15): the triangle 5, 7, 7 has the perimeter 19, the other one
# 3 · 19 = 57 cm. Wrong: 19 (the first triangle), 29 (7 + 7 + 15, the side
# put on the base 15), 29/3 (its partner), 49 (the difference of the bases
# added to the side).
def _cm(value):
    v = sp.Rational(value)
    tex = str(v) if v.q == 1 else r"\dfrac{%d}{%d}" % (v.p, v.q)
    return tex + r"\ \mathrm{см}"


O72_VALUES = [57, 19, sp.Rational(29, 3), 29, 49]
PICTURES += _options("O72", [_cm(v) for v in O72_VALUES], O72_VALUES, box=(136, 83),
                     kind=_level_option)


@check("W2")
def _(q, pics):
    for v in variants(q):
        text = " ".join(_labels(v, "Label1", "Label14", "Label8"))
        big, small, side = numbers(text)
        expect("рівними гострими кутами при вершині" in text, "W2: the triangles are similar")
        answers = set()
        for own, other in [(big, small), (small, big)]:
            if 2 * side > own:                      # the side fits this triangle
                expect(2 * side ** 2 > own ** 2, "W2: its vertex angle is acute")
                answers.add(sp.Rational(own + 2 * side) * other / own)
        expect(len(answers) == 1, "W2: the side 7 fits exactly one triangle")
        keyed_value_only(pics, v, answers.pop(), "perimeter")
    return "the side 7 fits only the base 5 (7 + 7 < 15): the other perimeter is 57, O721 (keyed)"


# ============================================================== question 3
# Q73: (x + 3)/(x − 2) ≤ 0, solutions [−3; 2). Wrong: [−3; 2] (the root of
# the denominator kept), (−3; 2) (the zero of the numerator lost),
# (−∞; −3] ∪ (2; +∞) and (−∞; −3) ∪ (2; +∞) (the sign of the fraction
# reversed, O735 shared with Test 10).
PICTURES.append(inline("Q73.bmp", r"\dfrac{x+3}{x-2}\leq 0", box=(136, 83), label_top=24,
                       picture_top=2, meaning=(x + 3) / (x - 2) <= 0))
PICTURES += [
    formula("O731.bmp", r"[{-3};\,2)", box=(164, 74), meaning=sp.Interval.Ropen(-3, 2)),
    formula("O732.bmp", r"[{-3};\,2]", box=(164, 74), meaning=sp.Interval(-3, 2)),
    formula("O733.bmp", r"({-3};\,2)", box=(164, 74), meaning=sp.Interval.open(-3, 2)),
    formula("O734.bmp", r"(-\infty;\,{-3}]\cup(2;\,{+\infty})", box=(164, 74),
            meaning=sp.Union(sp.Interval(-sp.oo, -3), sp.Interval.open(2, sp.oo))),
]


@check("W3")
def _(q, pics):
    solutions = sp.solveset(pics["Q73.bmp"].meaning, x, sp.S.Reals)
    expect(solutions == sp.Interval.Ropen(-3, 2), "Q73 solves to [-3; 2)")
    for v in variants(q):
        expect(v["options"][4] == "SpS\\O735.bmp", "W3: O735 is option 5")
        only_keyed(v, lambda o: meaning(pics, o) == solutions, "solution set")
    return "Q73 solved by sympy: %s; only O731 (keyed) is it, O735 is wrong" % solutions


# ============================================================== question 4
# Q74: the triangle ABC with the bisector AK, K on BC, the two halves of the
# angle A marked with one arc each; no numbers (they are drawn). The picture
# stands below line 1, which runs on over its box's left part.
_A4, _B4, _C4 = 46.0, 80.0, 54.0       # the drawn angles, in degrees
Q74_POINTS = {"A": (0.0, 0.0), "C": (6.0, 0.0)}
_ab = 6.0 * math.sin(math.radians(_C4)) / math.sin(math.radians(_B4))
Q74_POINTS["B"] = (_ab * math.cos(math.radians(_A4)), _ab * math.sin(math.radians(_A4)))
_k = _ab / (_ab + 6.0)                  # BK : KC = AB : AC
Q74_POINTS["K"] = (Q74_POINTS["B"][0] + _k * (6.0 - Q74_POINTS["B"][0]),
                   Q74_POINTS["B"][1] * (1 - _k))


def _equal_halves(ax, m):
    """An arc over the angle A with one tick across each half."""
    A = m.xy(Q74_POINTS["A"])
    to = {k: math.degrees(math.atan2(m.xy(Q74_POINTS[k])[1] - A[1], m.xy(Q74_POINTS[k])[0] - A[0]))
          for k in "BCK"}
    r = 34.0
    ax.add_patch(Arc(A, 2 * r, 2 * r, theta1=to["C"], theta2=to["B"], edgecolor=INK, lw=1.0))
    for lo, hi in ((to["C"], to["K"]), (to["K"], to["B"])):
        t = math.radians((lo + hi) / 2)
        d.line(ax, [(A[0] + (r - 5) * math.cos(t), A[1] + (r - 5) * math.sin(t)),
                    (A[0] + (r + 5) * math.cos(t), A[1] + (r + 5) * math.sin(t))], width=1.0)


PICTURES.append(figure(
    "Q74.bmp", points=Q74_POINTS,
    segments=[("A", "B"), ("B", "C"), ("C", "A"), ("A", "K")], extra=_equal_halves,
    box=(257, 166), meaning={"bisector": ("A", "K"), "side": ("B", "C")}))


@check("W4")
def _(q, pics):
    f = pics["Q74.bmp"]
    (bx, by), (cx, cy), (kx, ky) = f.xy("B"), f.xy("C"), f.xy("K")
    expect(abs((kx - bx) * (cy - by) - (ky - by) * (cx - bx)) < 1e-9
           and min(bx, cx) < kx < max(bx, cx), "Q74: K lies on BC")
    expect(abs(f.angle("B", "A", "K") - f.angle("K", "A", "C")) < 1e-9, "Q74: AK bisects A")
    for v in variants(q):
        B = signed_numbers(v["labels"]["Label1"])[0]
        Cc = signed_numbers(v["labels"]["Label14"])[0]
        half = sp.Rational(180 - B - Cc, 2)
        only_keyed(v, lambda o: o == "%s°" % half, "angle KAC", values=v["forms"])
    return "Q74: AK bisects A and K lies on BC; KAC = (180 - B - C)/2 keyed in %d variants" % len(
        q["variants"])


# ============================================================== question 6
# Q76: (a² − 4)/(a² − 2a) = (a + 2)/a. Wrong: the sign in the numerator,
# the a cancelled as a factor, a² cancelled as a term, the fraction upside
# down.
PICTURES.append(inline("Q76.bmp", r"\dfrac{a^2-4}{a^2-2a}", box=(104, 93), label_top=32,
                       picture_top=2, meaning=(a ** 2 - 4) / (a ** 2 - 2 * a)))
PICTURES += _options(
    "O76", [r"\dfrac{a+2}{a}", r"\dfrac{a-2}{a}", r"a+2", r"\dfrac{2}{a}", r"\dfrac{a}{a+2}"],
    [(a + 2) / a, (a - 2) / a, a + 2, 2 / a, a / (a + 2)], box=(104, 93), kind=_level_option)


@check("W6")
def _(q, pics):
    expr = pics["Q76.bmp"].meaning
    for v in variants(q):
        only_keyed(v, lambda o: sp.cancel(expr - meaning(pics, o)) == 0, "simplified form")
    return "Q76 = %s by sympy, exactly O761 (keyed)" % sp.cancel(expr)


# ============================================================== question 7
# Five graphs on a unit grid. Only O771 (y = 3 − x²) is even; O772 is a
# parabola with its axis x = 1, O773 the odd y = x³/3, O774 a corner at
# x = −1, O775 an exponential curve.
O77_FUNCTIONS = [3 - x ** 2, (x - 1) ** 2 - 2, x ** 3 / 3, sp.Abs(x + 1) - 2, 2 ** x - 2]
O77_WINDOW = (-4, 4, -3, 4)
PICTURES += [graph("O77%d.bmp" % k, curves=[sp.lambdify(x, e, "numpy")], window=O77_WINDOW,
                   grid=True, box=(293, 236), proportional=True, meaning={"f": e})
             for k, e in enumerate(O77_FUNCTIONS, 1)]


def _asymmetry(g):
    """The largest |f(x) − f(−x)| over the drawn window (in grid units)."""
    x0, x1, _, _ = g.window
    span = min(-x0, x1)
    worst = 0.0
    for i in range(1, 400):
        t = span * i / 400
        worst = max(worst, abs(float(g.f(t)) - float(g.f(-t))))
    return worst


@check("W7")
def _(q, pics):
    for v in variants(q):
        for o in v["options"]:
            g = pics[bare(o)]
            f = g.meaning["f"]
            even = sp.simplify(f.subs(x, -x) - f) == 0
            expect(even == (_asymmetry(g) < 1e-9), "%s: the drawn curve is its function" % o)
            expect(even or _asymmetry(g) > 0.5, "%s: its asymmetry shows" % o)
        only_keyed(v, lambda o: sp.simplify(meaning(pics, o)["f"].subs(x, -x)
                                            - meaning(pics, o)["f"]) == 0, "even graph")
    return "f(-x) = f(x) by sympy and on the drawn curves only for O771 (keyed)"


# ============================================================== question 8
# Q78: y = x² sin x, y′ = 2x sin x + x² cos x. Wrong: the product of the
# derivatives, a sign slip, the first factor kept, sin and cos swapped.
PICTURES.append(inline("Q78.bmp", r"y=x^2\sin x", box=(183, 53), label_top=32, picture_top=23,
                       meaning=x ** 2 * sp.sin(x)))
PICTURES += _options(
    "O78", [r"2x\,\sin x+x^2\cos x", r"2x\,\cos x", r"2x\,\sin x-x^2\cos x", r"x^2\cos x",
            r"2x\,\cos x+x^2\sin x"],
    [2 * x * sp.sin(x) + x ** 2 * sp.cos(x), 2 * x * sp.cos(x),
     2 * x * sp.sin(x) - x ** 2 * sp.cos(x), x ** 2 * sp.cos(x),
     2 * x * sp.cos(x) + x ** 2 * sp.sin(x)], box=(224, 112))


@check("W8")
def _(q, pics):
    derivative = sp.diff(pics["Q78.bmp"].meaning, x)
    for v in variants(q):
        only_keyed(v, lambda o: sp.simplify(meaning(pics, o) - derivative) == 0, "derivative")
    return "Q78: y' = %s by sympy, exactly O781 (keyed)" % derivative


# ============================================================== question 9
# Q79: √(x + 2) = x. Squared, x² − x − 2 = 0 gives 2 and −1, but −1 does
# not solve it (√1 ≠ −1): one root. "Два" is the squared equation's count.
PICTURES.append(inline("Q79.bmp", r"\sqrt{x+2}=x", box=(200, 55), label_top=16, picture_top=1,
                       meaning=sp.Eq(sp.sqrt(x + 2), x), align="center"))
COUNT_WORDS = {"Жодного": 0, "Один": 1, "Два": 2, "Три": 3, "Безліч": sp.oo}


@check("W9")
def _(q, pics):
    roots = sp.solveset(pics["Q79.bmp"].meaning, x, sp.S.Reals)
    expect(isinstance(roots, sp.FiniteSet), "Q79 has finitely many real roots")
    for v in variants(q):
        only_keyed(v, lambda o: COUNT_WORDS[o] == len(roots), "number of roots",
                   values=v["forms"])
    return "Q79 solved by sympy: %s, one root; only \"Один\" (keyed)" % roots


# ============================================================== question 10
# Q710: 2⁷ · 3⁵ / 6⁶ = 2/3. Wrong: upside down, 2 · 3, 1/6, 2.
PICTURES.append(inline("Q710.bmp", r"\dfrac{2^7\cdot 3^5}{6^6}", box=(166, 137), label_top=72,
                       picture_top=16, meaning=sp.Integer(2) ** 7 * 3 ** 5 / sp.Integer(6) ** 6,
                       align="center"))
PICTURES += _options("O710", [r"\dfrac{2}{3}", r"\dfrac{3}{2}", r"6", r"\dfrac{1}{6}", r"2"],
                     [sp.Rational(2, 3), sp.Rational(3, 2), 6, sp.Rational(1, 6), 2],
                     box=(83, 92), kind=_level_option)


@check("W10")
def _(q, pics):
    value = pics["Q710.bmp"].meaning
    for v in variants(q):
        keyed_value_only(pics, v, value, "value")
    return "Q710 = %s exactly, O7101 (keyed)" % value


# ============================================================== question 11
# The general antiderivative of y = 2x is x² + C. Wrong: 2x² + C (the
# coefficient kept), x² (one antiderivative, not the general one), 2 + C
# (the derivative), x²/2 + C (the coefficient lost).
PICTURES += _options(
    "O711", [r"F(x)=x^2+C", r"F(x)=2x^2+C", r"F(x)=x^2", r"F(x)=2+C",
             r"F(x)=\dfrac{x^2}{2}+C"],
    [x ** 2 + C, 2 * x ** 2 + C, x ** 2, 2 + C, x ** 2 / 2 + C], box=(228, 82),
    kind=_level_option)


def _general_antiderivative(F, f):
    """F is f's antiderivative plus an arbitrary constant C."""
    return sp.simplify(sp.diff(F, x) - f) == 0 and sp.diff(F, C) == 1


@check("W11")
def _(q, pics):
    for v in variants(q):
        m = re.fullmatch(r"Укажіть загальний вигляд первісної функції y=(\S+)",
                         v["labels"]["Label1"])
        expect(m is not None, "W11: line 1 names the function")
        f = parse_expr(m.group(1), {"x": x}, transformations=standard_transformations
                       + (implicit_multiplication_application,))
        only_keyed(v, lambda o: _general_antiderivative(meaning(pics, o), f), "antiderivative")
    return "d/dx and the free C by sympy: only O7111 (x² + C, keyed) is the general form"


# ============================================================== question 12
# Q712: the vector AB, its letters as in the text, centred in the twelve
# blanks; "VZT_9.txt": A, B and c = B − A.
# The box stands 8 px above the line's label: the text's baseline is its row
# 41 + 19 - 33 = 27. The picture is narrower than its 82 x 44 box, which
# reaches past the blanks over the comma after them.
PICTURES.append(_sign("Q712.bmp", (64, 44), "AB", baseline=27, centre=31, meaning=("A", "B"),
                      arrow=True))
VZT9_ROWS = 17436


def vzt9_rows():
    rnd = random.Random(712)
    seen, rows = set(), []
    while len(rows) < VZT9_ROWS:
        pts = tuple(rnd.randint(-8, 8) for _ in range(6))
        vec = tuple(pts[3 + i] - pts[i] for i in range(3))
        if len(set(vec)) < 3 or pts in seen:
            continue     # equal coordinates would make two options equal
        seen.add(pts)
        rows.append(pts + vec)
    return rows


def vzt9_relation(r):
    vec = tuple(r[3 + i] - r[i] for i in range(3))
    return tuple(r[6:9]) == vec and len(set(vec)) == 3 and all(-8 <= v <= 8 for v in r[:6])


TABLES.append(Table(
    "VZT_9.txt", columns=9, min_rows=VZT9_ROWS, rows=vzt9_rows, relation=vzt9_relation,
    rule="c1..c3 = A, c4..c6 = B (whole numbers -8..8, rows pairwise different); "
         "(c7, c8, c9) = B - A, the vector AB that Q712.bmp names, with three different "
         "coordinates (so the five options differ)"))


@check("W12")
def _(q, pics):
    start, end = pics["Q712.bmp"].meaning
    for v in variants(q):
        m = re.fullmatch(r"Знайдіть координати вектора {12}, якщо {4}А\((\S+)\), {6}В\((\S+)\)",
                         v["labels"]["Label1"])
        expect(m is not None, "W12: line 1 reads %r" % v["labels"]["Label1"])
        P = {"A": signed_numbers(m.group(1)), "B": signed_numbers(m.group(2))}
        want = "(%d;%d;%d)" % tuple(P[end][i] - P[start][i] for i in range(3))
        only_keyed(v, lambda f: f == want, "coordinates", values=v["forms"])
        expect(v["images"]["Image1"] == "SpS\\Q712.bmp", "W12: the vector's name is shown")
    return "Q712 names AB; B - A from the shown points is exactly the keyed option (%d variants)" \
        % len(q["variants"])


# ============================================================== question 14
# Q714: "π см³" after the cylinder's volume, centred in the fifteen blanks.
# Its baseline is row 16 + 19 - 10 = 25 (line 1 at top 16, the box at 10); the
# picture stops 2 px above line 2 (top 48), which its 98 x 43 box overlaps.
PICTURES.append(_sign("Q714.bmp", (98, 36), "\u03c0 см\u00b3", baseline=25, centre=49,
                      meaning={"factor": sp.pi, "unit": "см³"}))


@check("W14")
def _(q, pics):
    factor = pics["Q714.bmp"].meaning["factor"]
    for v in variants(q):
        volume = numbers(v["labels"]["Label1"])[0] * factor
        radius = numbers(v["labels"]["Label14"])[0]
        count = volume / (sp.Rational(4, 3) * sp.pi * radius ** 3)
        expect(count.is_integer, "W14: a whole number of balls")
        only_keyed(v, lambda f: f == str(count), "number of balls", values=v["forms"])
        expect(v["images"]["Image1"] == "SpS\\Q714.bmp", "W14: the unit is shown")
    return "Q714 is π cm³; V / (4/3 π r³) is exactly the keyed option in %d variants" % len(
        q["variants"])


# ============================================================== question 15
# Q715s: y = ax² + bx; Q715: its graph for a = −1/2, b = 2, a parabola open
# downwards through O with its vertex (2; 2) right of the y axis. The options
# O6201-O6205 are described with Test 5; O6201 (a < 0, b > 0) is right.
Q715_A, Q715_B = sp.Rational(-1, 2), sp.Integer(2)
pa, pb = sp.symbols("a b", real=True)
PICTURES.append(inline("Q715s.bmp", r"y=ax^2+bx", box=(132, 42), label_top=24, picture_top=14,
                       meaning=pa * x ** 2 + pb * x))
PICTURES.append(graph(
    "Q715.bmp", curves=[sp.lambdify(x, Q715_A * x ** 2 + Q715_B * x, "numpy")],
    window=(-2, 6, -2.5, 3), grid=True,
    # narrower than its 410 x 238 box: the window's "X" stands over the box's
    # top right corner
    box=(380, 238), proportional=True, meaning={"a": Q715_A, "b": Q715_B}))
PICTURES += [shared("O620%d.bmp" % k) for k in range(1, 6)]


def _sgn(value):
    return 0 if abs(value) < 1e-9 else (1 if value > 0 else -1)


@check("W15")
def _(q, pics):
    form, g = pics["Q715s.bmp"].meaning, pics["Q715.bmp"]
    # a and b from the drawn curve at x = 1 and 2, then the whole curve fits
    fit = sp.solve([sp.Eq(form.subs(x, t), sp.nsimplify(float(g.f(t)))) for t in (1, 2)],
                   [pa, pb], dict=True)[0]
    for t in range(-20, 61):
        expect(abs(float(form.subs(fit).subs(x, t / 10)) - float(g.f(t / 10))) < 1e-9,
               "Q715 draws y = ax² + bx with a, b = %s" % fit)
    signs = {"a": _sgn(fit[pa]), "b": _sgn(fit[pb])}
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == signs, "signs")
    return "Q715 fits y = ax² + bx with a = %s, b = %s: only O6201 (keyed) gives the signs" % (
        fit[pa], fit[pb])


# ============================================================== question 16
# Q716s: SO = 4√3. Q717: the regular pyramid SABC over its base in the plane
# y = 0, the centre O of the base at the origin, B in front: BN the height of
# the base (BN = 6, N the midpoint of AC), BO = 2/3 · BN = 4; tg SBO =
# SO/BO = √3, the angle 60° (O4151, described with Test 4).
PICTURES.append(inline("Q716s.bmp", r"4\sqrt{3}", box=(83, 43), label_top=48, picture_top=43,
                       meaning=4 * sp.sqrt(3)))
_r3 = sp.sqrt(3)
Q717_SPACE = {"A": (-2 * _r3, 0, 2), "B": (0, 0, -4), "C": (2 * _r3, 0, 2), "N": (0, 0, 2),
              "O": (0, 0, 0), "S": (0, 4 * _r3, 0)}
PICTURES.append(figure(
    "Q717.bmp",
    points={k: oblique(tuple(float(c) for c in p)) for k, p in Q717_SPACE.items()},
    segments=[("S", "A"), ("S", "B"), ("S", "C"), ("A", "B"), ("B", "C")],
    hidden=[("A", "C"), ("B", "N"), ("S", "O")],
    right_angles=[("S", "O", "N")],
    # narrower than its 328 x 275 box: the window's "X" stands over the box's
    # top right corner
    box=(310, 275), proportional=True, meaning=Q717_SPACE))
PICTURES += [shared("O415%d.bmp" % k) for k in range(1, 6)]


@check("W16")
def _(q, pics):
    P = {k: sp.Matrix(p) for k, p in pics["Q717.bmp"].meaning.items()}
    f = pics["Q717.bmp"]
    for k, p in P.items():
        expect(all(abs(u - w) < 1e-9 for u, w in zip(f.xy(k), oblique(tuple(map(float, p))))),
               "Q717: %s is drawn where it stands" % k)
    sides = {(P[u] - P[w]).norm() for u, w in ("AB", "BC", "CA")}
    expect(len(sides) == 1, "Q717: the base is equilateral")
    expect(P["N"] == (P["A"] + P["C"]) / 2 and P["O"] == (P["A"] + P["B"] + P["C"]) / 3,
           "Q717: N halves AC, O is the centre")
    expect(all((P["S"] - P["O"]).dot(P[u] - P["O"]) == 0 for u in "ABC"), "SO is the height")
    SO, BO, BN = ((P[u] - P[w]).norm() for u, w in ("SO", "BO", "BN"))
    expect(SO == pics["Q716s.bmp"].meaning and BO == 4, "SO = Q716s, BO = 4")
    angle = sp.atan(SO / BO) * 180 / sp.pi
    for v in variants(q):
        expect(re.search(r"BN - (\d+)\.", v["labels"]["Label14"]).group(1) == str(BN),
               "W16: the text gives BN = %s" % BN)
        keyed_value_only(pics, v, angle, "angle")
    return "Q717: BN = %s, BO = %s, SO = %s: angle SBO = %s°, only O4151 (keyed)" % (
        BN, BO, SO, sp.simplify(angle))


# ============================================================== question 17
# Two registers each of the 7th, 8th and 11th forms, three each of the 9th
# and 10th: 12 in all, 3 of a 10th form, P = 1/4. Wrong: 1/5 (one form of
# five), 1/12 (one register), 1/3, 3/10.
PICTURES += _options("O717", [r"\dfrac{1}{4}", r"\dfrac{1}{5}", r"\dfrac{1}{12}",
                              r"\dfrac{1}{3}", r"\dfrac{3}{10}"],
                     [sp.Rational(1, 4), sp.Rational(1, 5), sp.Rational(1, 12),
                      sp.Rational(1, 3), sp.Rational(3, 10)], box=(78, 89))


@check("W17")
def _(q, pics):
    for v in variants(q):
        first, second, third = _labels(v, "Label1", "Label14", "Label8")
        m = re.search(r"журнали (\d+), (\d+) і (\d+)-х класів та по три журнали (\d+)-х і "
                      r"(\d+)-х класів", second)
        expect(first.endswith("по два") and m is not None, "W17: the registers are listed")
        count = {int(k): 2 for k in m.groups()[:3]}
        count.update({int(k): 3 for k in m.groups()[3:]})
        form = int(re.search(r"будь-якого (\d+)-го класу", third).group(1))
        keyed_value_only(pics, v, sp.Rational(count[form], sum(count.values())), "probability")
    return "3 registers of the 10th form among 12: P = 1/4, O7171 (keyed)"


# ============================================================== question 18
# In a right triangle with legs a, b and hypotenuse c, r = (a + b − c)/2.
# Wrong: c/2 (the circumscribed radius), the semi-perimeter, ab/c (the height
# to the hypotenuse), a + b − c (the diameter).
PICTURES += _options("O718", [r"\dfrac{a+b-c}{2}", r"\dfrac{c}{2}", r"\dfrac{a+b+c}{2}",
                              r"\dfrac{ab}{c}", r"a+b-c"],
                     [(a + b - c) / 2, c / 2, (a + b + c) / 2, a * b / c, a + b - c],
                     box=(184, 78), kind=_level_option)
TRIANGLES = [(3, 4), (5, 12), (8, 15), (1, 1), (1, 2)]      # legs; c = √(a² + b²)


@check("W18")
def _(q, pics):
    def inradius(o):
        ok = True
        for la, lb in TRIANGLES:
            lc = sp.sqrt(la ** 2 + lb ** 2)
            r = sp.Rational(la * lb, 2) / ((la + lb + lc) / 2)       # area / semi-perimeter
            ok &= same(meaning(pics, o).subs({a: la, b: lb, c: lc}), r)
        return ok

    for v in variants(q):
        expect(v["labels"]["Label14"] ==
               "\"Радіус вписаного в прямокутний трикутник кола дорівнює...\"", "W18: the sentence")
        only_keyed(v, inradius, "inradius")
    return "r = S/p on %d right triangles: only O7181 ((a+b-c)/2, keyed)" % len(TRIANGLES)


# ============================================================== question 20
# Q720: π in the text's blue, after the cylinder's volume and after every
# option. Q720B: a cylinder of radius 2 and height 5 with its axis OO1, M
# the midpoint of the axis, and the cone with apex M on the lower base:
# V(cone) = 1/3 · π r² · h/2 = V(cylinder)/6.
# The text's baseline is row 41 + 19 - 35 = 25 of the box in line 1 and
# 375 + 19 - 372 = 22 beside the slot labels: π stands on row 23, 2 px high
# in the one place and 1 px low in the other. The picture is narrower than
# its 58 x 36 boxes: in line 1 the box reaches the comma after the blanks.
PICTURES.append(_sign("Q720.bmp", (28, 36), "\u03c0", baseline=23, centre=10, meaning=sp.pi))
_R, _H = 2.0, 5.0
Q720B_POINTS = {"O": (0, 0), "O1": (0, _H), "M": (0, _H / 2), "_l": (-_R, 0), "_r": (_R, 0),
                "_lt": (-_R, _H), "_rt": (_R, _H)}
PICTURES.append(figure(
    "Q720B.bmp", points=Q720B_POINTS,
    segments=[("_l", "_lt"), ("_r", "_rt"), ("M", "_l"), ("M", "_r")],
    hidden=[("O", "O1"), ("O", "_r")],
    ellipses=[{"c": "O", "rx": _R, "ry": 0.6, "hidden": "top"}, {"c": "O1", "rx": _R, "ry": 0.6}],
    dots=["O", "O1", "M"], where={"O": "s", "O1": "n", "M": "w"},
    # narrower than its 212 x 278 box: the window's "X" stands over the box's
    # top right corner
    box=(200, 278), proportional=True,
    meaning={"cylinder": {"base": "O", "top": "O1", "r": _R},
             "cone": {"apex": "M", "base": "O", "rim": ("_l", "_r")}}))


@check("W20")
def _(q, pics):
    f, m = pics["Q720B.bmp"], pics["Q720B.bmp"].meaning
    cyl, cone = m["cylinder"], m["cone"]
    expect(abs(f.dist(cone["apex"], cyl["base"]) - f.dist(cone["apex"], cyl["top"])) < 1e-9,
           "Q720B: M halves the axis")
    expect(all(abs(f.dist(cone["base"], p) - cyl["r"]) < 1e-9 for p in cone["rim"]),
           "Q720B: the cone stands on the lower base")
    ratio = (sp.Rational(1, 3) * sp.nsimplify(f.dist(cone["apex"], cone["base"]))
             / sp.nsimplify(f.dist(cyl["base"], cyl["top"])))
    factor = pics["Q720.bmp"].meaning
    for v in variants(q):
        cylinder = numbers(v["labels"]["Label1"])[0] * factor
        want = "%sπ" % (cylinder * ratio / factor)
        only_keyed(v, lambda o: o == want, "cone volume", values=v["forms"])
        expect(all(v["images"]["Image%d" % k] == "SpS\\Q720.bmp" for k in range(1, 7)),
               "W20: π after the volume and after every option")
    return "Q720B: V(cone) = %s V(cylinder); the keyed option is it in %d variants" % (
        ratio, len(q["variants"]))
