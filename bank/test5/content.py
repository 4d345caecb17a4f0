"""Pictures and tables of Test 5, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import re

import numpy as np
import sympy as sp
from sympy.solvers.inequalities import solve_univariate_inequality

from vztgen import BLUE, WINDOW, bare, check, drawing, expect, formula, graph, only_keyed, shared
from vztgen import draw as d
from vztgen.common import (TEXT_BASELINE, elements, family, inline, keyed_value_only, meaning, number_option,
                           roots, same, set_option, signed_numbers, text_value, variants)

x = sp.Symbol("x", real=True)
n = sp.Symbol("n", integer=True)
pi = sp.pi

PICTURES = []
TABLES = []

# ============================================================== shared with other tests
# O6201-O6205: the signs of the parameters a and b of a graphed function.
# They are the options of question 20 here, of Test 7 question 15 and of
# Test 10 question 20, with O6201 right in all three: each of those graphs
# (N15, Q715, Q1020) is drawn with a < 0 and b > 0, and each question checks
# the signs from its own graph's function. The meaning is the sign of a and
# the sign of b (1, -1 or 0).
SIGN_OPTIONS = {
    "O6201.bmp": ("a<0,", "b>0", {"a": -1, "b": 1}),
    "O6202.bmp": ("a>0,", "b>0", {"a": 1, "b": 1}),
    "O6203.bmp": ("a>0,", "b<0", {"a": 1, "b": -1}),
    "O6204.bmp": ("a<0,", "b<0", {"a": -1, "b": -1}),
    "O6205.bmp": ("a>0,", "b=0", {"a": 1, "b": 0}),
}
PICTURES += [formula(name, [first, second], box=(118, 108), meaning=signs)
             for name, (first, second, signs) in SIGN_OPTIONS.items()]


# ============================================================== helpers
def normal_set(s):
    """A set of reals given by intervals (and finite sets) with its ends simplified."""
    if isinstance(s, sp.Union):
        return sp.Union(*[normal_set(t) for t in s.args])
    if isinstance(s, sp.Interval):
        return sp.Interval(sp.nsimplify(sp.simplify(s.start)), sp.nsimplify(sp.simplify(s.end)),
                           s.left_open, s.right_open)
    if isinstance(s, sp.FiniteSet):
        return sp.FiniteSet(*[sp.nsimplify(sp.simplify(e)) for e in s])
    return s


def sets_equal(a, b):
    """Two sets of reals given by intervals (and finite sets) are the same set."""
    return normal_set(a) == normal_set(b)


def interval_option(name, tex, value, box):
    """An option picture that shows a set of reals (intervals)."""
    return formula(name, tex, box=box, meaning=value)


def members(s):
    """The elements of a series of roots, or of a union of series, within [-12π, 12π]."""
    if isinstance(s, sp.Union):
        return set().union(*[elements(t) for t in s.args])
    return elements(s)


def fraction(name, p, q, box):
    """An option picture that shows the fraction p/q (a minus before a negative one)."""
    tex = r"\dfrac{%d}{%d}" % (abs(p), q)
    return number_option(name, "{-%s}" % tex if p < 0 else tex, sp.Rational(p, q), box=box)


def probability_only(pics, v, favourable, total, what):
    expect(0 < favourable <= total, "%s: %d of %d outcomes" % (what, favourable, total))
    keyed_value_only(pics, v, sp.Rational(favourable, total), what)


# ============================================================== question 1
# Q51: √50 − √8 = 5√2 − 2√2 = 3√2. Wrong: √42 (the radicands subtracted),
# 7√2 (the terms added), √2 (√8 taken for 4√2... and so 5√2 − 4√2), 3 (the
# root lost).
PICTURES += [
    inline("Q51.bmp", r"\sqrt{50}-\sqrt{8}", box=(120, 52), label_top=19, picture_top=4,
           meaning=sp.sqrt(50) - sp.sqrt(8)),
    number_option("O512.bmp", r"3\sqrt{2}", 3 * sp.sqrt(2), box=(99, 49)),
    number_option("O511.bmp", r"\sqrt{42}", sp.sqrt(42), box=(99, 49)),
    number_option("O513.bmp", r"7\sqrt{2}", 7 * sp.sqrt(2), box=(99, 49)),
    number_option("O514.bmp", r"\sqrt{2}", sp.sqrt(2), box=(99, 49)),
    number_option("O515.bmp", r"3", 3, box=(99, 49)),
]


@check("P1")
def _(q, pics):
    value = pics["Q51.bmp"].meaning
    for v in variants(q):
        keyed_value_only(pics, v, value, "value")
    return "Q51: √50 − √8 = %s by sympy, exactly O512 (keyed)" % value


# ============================================================== questions 2, 3, 10
# Q52: (1/2 − 1/3) : (2/3) = (1/6)·(3/2) = 1/4 (O521). Wrong: 1/6 (the
# division forgotten), 1/9 (multiplied by 2/3 instead of divided), 1/12
# (divided by 2 only), −1/4 (the difference taken the other way).
# O521 (1/4), O523 (1/9) and O533 (1/2) are wrong options of question 3
# (5 even digits of 10: 1/5, O531) and O521, O533 of question 10 (8 pages of
# 24: 1/3, O5101); each question checks them against its own answer.
Q52_VALUE = (sp.Rational(1, 2) - sp.Rational(1, 3)) / sp.Rational(2, 3)
PICTURES += [
    inline("Q52.bmp", r"\dfrac{\dfrac{1}{2}-\dfrac{1}{3}}{\dfrac{2}{3}}", box=(97, 108),
           label_top=54, picture_top=4, meaning=Q52_VALUE, align="center"),
    fraction("O521.bmp", 1, 4, (92, 86)),
    fraction("O522.bmp", 1, 6, (92, 86)),
    fraction("O523.bmp", 1, 9, (92, 86)),
    fraction("O524.bmp", 1, 12, (92, 86)),
    fraction("O525.bmp", -1, 4, (92, 86)),
]


@check("P2")
def _(q, pics):
    value = pics["Q52.bmp"].meaning
    for v in variants(q):
        keyed_value_only(pics, v, value, "value")
    return "Q52 = %s by sympy, exactly O521 (keyed)" % value


# Question 3: the last digit is one of the five even digits 0, 2, 4, 6, 8,
# and one of them opens the card at the first try: P = 1/5 (O531). Wrong:
# 1/10 (any of ten digits), 1/2 (half of the digits even), and O521 (1/4),
# O523 (1/9) of question 2.
PICTURES += [
    fraction("O531.bmp", 1, 5, (92, 86)),
    fraction("O532.bmp", 1, 10, (92, 86)),
    fraction("O533.bmp", 1, 2, (92, 86)),
]


@check("P3")
def _(q, pics):
    for v in variants(q):
        text = " ".join(v["labels"].get(k, "") for k in ("Label1", "Label14", "Label8"))
        expect("останню цифру" in text and "парною" in text, "P3: an even last digit")
        candidates = [digit for digit in range(10) if digit % 2 == 0]
        probability_only(pics, v, 1, len(candidates), "probability")
    return "P3: one right digit of the 5 even ones, P = 1/5 = O531 (keyed); O521, O523, O533 wrong"


# Question 10: 8 pages with pictures of 24: P = 1/3 (O5101). Wrong: 2/3
# (the pages without pictures), 1/8, and O533 (1/2), O521 (1/4 = 8/32, the
# pictured pages added to the total).
PICTURES += [
    fraction("O5101.bmp", 1, 3, (81, 84)),
    fraction("O5102.bmp", 2, 3, (81, 84)),
    fraction("O5103.bmp", 1, 8, (81, 84)),
]


@check("P10")
def _(q, pics):
    for v in variants(q):
        pages, pictured = signed_numbers(v["labels"]["Label1"])[:2]
        probability_only(pics, v, pictured, pages, "probability")
    return "P10: 8 pictured pages of 24, P = 1/3 = O5101 (keyed); O521, O533 wrong"


# ============================================================== question 4
# Only log_0,5 3 < 0 holds: (1/3)^-2 = 9, √17 > 4, 2^-3 = 0,125 < 0,2 and
# sin 3π/4 = √2/2 > 0 make the other four false.
def _relation(name, tex, rel):
    return formula(name, tex, box=(163, 65), meaning=rel)


PICTURES += [
    _relation("O541.bmp", r"\log_{0{,}5} 3<0",
              sp.StrictLessThan(sp.log(3, sp.Rational(1, 2)), 0, evaluate=False)),
    _relation("O542.bmp", r"\left(\dfrac{1}{3}\right)^{-2}<1",
              sp.StrictLessThan(sp.Pow(sp.Rational(1, 3), -2, evaluate=False), 1,
                                evaluate=False)),
    _relation("O543.bmp", r"\sqrt{17}<4", sp.StrictLessThan(sp.sqrt(17), 4, evaluate=False)),
    _relation("O544.bmp", r"2^{-3}>0{,}2",
              sp.StrictGreaterThan(sp.Pow(2, -3, evaluate=False), sp.Rational(1, 5),
                                   evaluate=False)),
    _relation("O545.bmp", r"\sin\dfrac{3\pi}{4}<0",
              sp.StrictLessThan(sp.sin(3 * pi / 4), 0, evaluate=False)),
]


def holds(rel):
    verdict = rel.func(sp.nsimplify(rel.lhs.doit()), sp.nsimplify(rel.rhs.doit()))
    expect(verdict in (sp.true, sp.false), "cannot decide %s" % rel)
    return verdict == sp.true


@check("P4")
def _(q, pics):
    for v in variants(q):
        only_keyed(v, lambda o: holds(meaning(pics, o)), "true inequality")
    return "P4: sympy decides the five; only log_0,5 3 < 0 (O541, keyed) holds"


# ============================================================== question 7
# Q57: (1/3)^(x+1) >= 9 = (1/3)^-2; the base is below 1, so x + 1 <= -2:
# x ∈ (−∞; −3] (O571). Wrong: [−3; +∞) (the sign kept), (−∞; −3) (the end
# lost), (−∞; 1] (9 taken for (1/3)^2), (−∞; −2] (the 1 lost).
PICTURES += [
    inline("Q57.bmp", r"\left(\dfrac{1}{3}\right)^{x+1}\geq 9", box=(177, 63), label_top=19,
           picture_top=4, meaning=sp.GreaterThan(sp.Rational(1, 3) ** (x + 1), 9)),
    interval_option("O571.bmp", r"(-\infty;\,{-3}]", sp.Interval(-sp.oo, -3), (115, 44)),
    interval_option("O572.bmp", r"[-3;\,{+\infty})", sp.Interval(-3, sp.oo), (115, 44)),
    interval_option("O573.bmp", r"(-\infty;\,{-3})", sp.Interval.open(-sp.oo, -3), (115, 44)),
    interval_option("O574.bmp", r"(-\infty;\,1]", sp.Interval(-sp.oo, 1), (115, 44)),
    interval_option("O575.bmp", r"(-\infty;\,{-2}]", sp.Interval(-sp.oo, -2), (115, 44)),
]


@check("P7")
def _(q, pics):
    solutions = normal_set(sp.solveset(pics["Q57.bmp"].meaning, x, sp.S.Reals))
    for v in variants(q):
        only_keyed(v, lambda o: sets_equal(meaning(pics, o), solutions), "set of solutions")
    return "Q57 solved by sympy: %s = O571 (keyed)" % solutions


# ============================================================== question 8
# Q58: f is the broken line through (−2; 1), (−1; 2), (1; 4), (3; 3),
# (5; 1), g(x) = 2 + (x + 1)/4, both on [−2; 5]; they meet at x = −1 and
# x = 3, above the axis, which keeps the numbers on it clear.
# MM is the sign "≤": f(x) ≤ g(x) on [−2; −1] ∪ [3; 5] (O581). Wrong: [−1; 3]
# (the other sign), (−∞; −1] ∪ [3; +∞) (the segment forgotten), [−2; −1) ∪
# (3; 5] (the meeting points lost), [3; 5] (a piece lost).
Q58_F = [(-2, 1), (-1, 2), (1, 4), (3, 3), (5, 1)]
Q58_G = 2 + (x + 1) / 4
Q58_DOMAIN = (-2, 5)


def _line_sign(ax, sign, w, h, label_top):
    """A sign as the question line's blue bold text draws it, centred in a
    w x h box on the baseline of a label whose top lies label_top px below
    the box's top."""
    renderer = ax.figure.canvas.get_renderer()
    baseline = h - (label_top + TEXT_BASELINE)
    t = d.text_px(ax, 0, baseline, sign, 24, color=BLUE, font=d.tahoma(bold=True))
    (x0, _), (x1, _) = ax.transData.inverted().transform(
        t.get_window_extent(renderer=renderer).get_points())
    t.remove()
    d.label_text(ax, (w - (x1 - x0)) / 2 - x0, baseline, sign)


def _broken(points):
    xs, ys = zip(*points)
    return lambda t: np.interp(t, xs, ys)


PICTURES += [
    # the sign as the line's own bold text draws it; 31 px of its 39 px box:
    # the five blanks end 33 px into the box, where "g(x)" begins, and the
    # picture's grey would hide the g
    drawing("MM.bmp", box=(31, 43), draw=lambda ax: _line_sign(ax, "\u2264", 31, 43, 107 - 103),
            trim=False, paper=WINDOW, exact=(BLUE,), meaning=sp.LessThan),
    graph("Q58.bmp",
          curves=[{"f": _broken(Q58_F), "domain": Q58_DOMAIN, "ends": ("closed", "closed")},
                  {"f": sp.lambdify(x, Q58_G, "numpy"), "domain": Q58_DOMAIN,
                   "ends": ("closed", "closed")}],
          window=(-2.6, 5.6, -0.6, 4.6), grid=True, xticks="all",
          texts=[(2.3, 4.2, "y=f(x)"), (4.3, 4.0, "y=g(x)")],
          # narrower than its 414 x 234 box: "X" stands over the box's top
          # right corner
          box=(368, 234), proportional=True,
          meaning={"f": Q58_F, "g": Q58_G, "domain": Q58_DOMAIN}),
]
_Q58_OPTIONS = {
    "O581.bmp": (r"[-2;\,{-1}]\cup[3;\,5]", sp.Union(sp.Interval(-2, -1), sp.Interval(3, 5))),
    "O582.bmp": (r"[-1;\,3]", sp.Interval(-1, 3)),
    "O583.bmp": (r"(-\infty;\,{-1}]\cup[3;\,{+\infty})",
                 sp.Union(sp.Interval(-sp.oo, -1), sp.Interval(3, sp.oo))),
    "O584.bmp": (r"[-2;\,{-1})\cup(3;\,5]",
                 sp.Union(sp.Interval.Ropen(-2, -1), sp.Interval.Lopen(3, 5))),
    "O585.bmp": (r"[3;\,5]", sp.Interval(3, 5)),
}
PICTURES += [interval_option(name, tex, value, (166, 44))
             for name, (tex, value) in _Q58_OPTIONS.items()]


def broken_pieces(points):
    """The pieces of a broken line: (x0, x1, linear expression in x)."""
    out = []
    for (a, fa), (b, fb) in zip(points, points[1:]):
        out.append((a, b, sp.Integer(fa) + sp.Rational(fb - fa, b - a) * (x - a)))
    return out


@check("P8")
def _(q, pics):
    g = pics["Q58.bmp"]
    m = g.meaning
    relation = pics["MM.bmp"].meaning
    drawn_f, drawn_g = g.functions()
    for a, b, piece in broken_pieces(m["f"]):
        for t in np.linspace(a, b, 7):
            expect(abs(float(drawn_f(t)) - float(piece.subs(x, t))) < 1e-9, "Q58: f as described")
            expect(abs(float(drawn_g(t)) - float(m["g"].subs(x, t))) < 1e-9, "Q58: g as described")
    expect(tuple(m["domain"]) == (m["f"][0][0], m["f"][-1][0]), "Q58: f spans the segment")
    solutions = sp.Union(*[
        solve_univariate_inequality(relation(piece, m["g"]), x, relational=False,
                                    domain=sp.Interval(a, b))
        for a, b, piece in broken_pieces(m["f"])])
    for v in variants(q):
        expect(re.search(r"\[-2;5\]", v["labels"]["Label14"]), "P8: the segment [-2;5]")
        only_keyed(v, lambda o: sets_equal(meaning(pics, o), solutions), "set")
    return "Q58 with MM (≤): f ≤ g on %s, exactly O581 (keyed)" % solutions


# ============================================================== question 9
# Q59: 1/a = 1/b + 1/c, so 1/c = (b − a)/(ab) and c = ab/(b − a) (O591).
# Wrong: ab/(a − b) (the sign), (b − a)/(ab) (1/c taken for c), b − a (the
# reciprocals dropped), ab/(a + b) (the sign of 1/b).
a, b, c = sp.symbols("a b c", positive=True)
PICTURES += [
    inline("Q59.bmp", r"\dfrac{1}{a}=\dfrac{1}{b}+\dfrac{1}{c}", box=(112, 70), label_top=24,
           picture_top=4, meaning=sp.Eq(1 / a, 1 / b + 1 / c), align="center"),
    formula("O591.bmp", r"\dfrac{ab}{b-a}", box=(112, 70), meaning=a * b / (b - a)),
    formula("O592.bmp", r"\dfrac{ab}{a-b}", box=(112, 70), meaning=a * b / (a - b)),
    formula("O593.bmp", r"\dfrac{b-a}{ab}", box=(112, 70), meaning=(b - a) / (a * b)),
    formula("O594.bmp", r"b-a", box=(112, 70), meaning=b - a),
    formula("O595.bmp", r"\dfrac{ab}{a+b}", box=(112, 70), meaning=a * b / (a + b)),
]


@check("P9")
def _(q, pics):
    solved = sp.solve(pics["Q59.bmp"].meaning, c)
    expect(len(solved) == 1, "Q59: one expression for c")
    for v in variants(q):
        expect(v["labels"]["Label1"].rstrip().endswith("то с="), "P9: c is asked")
        only_keyed(v, lambda o: sp.simplify(meaning(pics, o) - solved[0]) == 0, "c")
    return "Q59 solved for c by sympy: %s = O591 (keyed)" % solved[0]


# ============================================================== question 11
# Q511: the graph of f(x) = x³/8 + 1, increasing, with A(0; 1) and B(−2; 1)
# marked. f takes the value 1 only at x = 0, so f(x − a) = 1 at x = −2 only
# when −2 − a = 0: a = −2.
Q511_F = x ** 3 / 8 + 1
PICTURES.append(graph(
    # the y axis unlabelled: its 1 would crowd A, whose ordinate the text gives
    "Q511.bmp", curves=[sp.lambdify(x, Q511_F, "numpy")], window=(-4, 4, -1.8, 3.6), grid=True,
    yticks=[],
    points=[(0, 1, "A"), {"at": (-2, 1), "label": "B", "where": "nw"}],
    texts=[(2.9, 1.6, "y=f(x)")],
    box=(392, 227), proportional=True,
    meaning={"f": Q511_F, "A": (0, 1), "B": (-2, 1)}))


@check("P11")
def _(q, pics):
    g = pics["Q511.bmp"]
    f = g.meaning["f"]
    for t in np.linspace(-4, 4, 17):
        expect(abs(float(g.f(t)) - float(f.subs(x, t))) < 1e-9, "Q511: f as described")
    for v in variants(q):
        A = tuple(signed_numbers(v["labels"]["Label1"])[:2])
        B = tuple(signed_numbers(v["labels"]["Label8"])[:2])
        expect(A == g.meaning["A"] and B == g.meaning["B"], "P11: A and B as the graph marks them")
        expect(f.subs(x, A[0]) == A[1], "Q511: A lies on the graph")
        # f(B_x − a) = B_y  <=>  B_x − a is a root of f(x) = B_y
        at = sp.solveset(sp.Eq(f, B[1]), x, sp.S.Reals)
        expect(isinstance(at, sp.FiniteSet), "Q511: f = %d at finitely many x" % B[1])
        shifts = {B[0] - r for r in at}
        only_keyed(v, lambda form: any(same(text_value(form), s) for s in shifts), "a",
                   values=v["forms"])
    return "Q511: f = 1 only at x = 0, so a = -2 only (keyed)"


# ============================================================== question 12
# Q512: C = 5(F − 32)/9; F = 43 gives 5·11/9 = 55/9 (O5121). Wrong: 99/5
# (5 and 9 swapped), 125/3 (F + 32), −73/9 (5F/9 − 32, the brackets lost),
# 11 (the factor 5/9 lost).
C, F = sp.symbols("C F")
PICTURES += [
    # 139 px of its 155 px box: the comma after the blanks stands 141 px
    # into the box
    inline("Q512.bmp", r"C=\dfrac{5(F-32)}{9}", box=(139, 62), label_top=63, picture_top=49,
           meaning=sp.Eq(C, 5 * (F - 32) / 9), align="center"),
    fraction("O5121.bmp", 55, 9, (116, 94)),
    fraction("O5122.bmp", 99, 5, (116, 94)),
    fraction("O5123.bmp", 125, 3, (116, 94)),
    fraction("O5124.bmp", -73, 9, (116, 94)),
    number_option("O5125.bmp", r"11", 11, box=(116, 94)),
]


@check("P12")
def _(q, pics):
    rule = pics["Q512.bmp"].meaning
    for v in variants(q):
        f = int(re.search(r"F=(\d+)", v["labels"]["Label8"]).group(1))
        celsius = sp.solve(rule.subs(F, f), C)[0]
        keyed_value_only(pics, v, celsius, "temperature")
    return "Q512: C(43) = 55/9 by sympy, exactly O5121 (keyed)"


# ============================================================== question 14
# 2cos x = −1 (in the text): cos x = −1/2, x = ±2π/3 + 2πn (O5141). Wrong
# sets: ±π/3 + 2πn (cos x = 1/2), ±2π/3 + πn (the period halved: extra
# roots), (−1)^(n+1)·π/6 + πn (sin x = −1/2), ±5π/6 + 2πn (cos x = −√3/2).
def _both(r, period):
    return sp.Union(family(r + period * n), family(-r + period * n))


PICTURES += [
    set_option("O5141.bmp", r"x=\pm\dfrac{2\pi}{3}+2\pi n,\ n\in Z", _both(2 * pi / 3, 2 * pi),
               box=(157, 111)),
    set_option("O5142.bmp", r"x=\pm\dfrac{\pi}{3}+2\pi n,\ n\in Z", _both(pi / 3, 2 * pi),
               box=(157, 111)),
    set_option("O5143.bmp", r"x=\pm\dfrac{2\pi}{3}+\pi n,\ n\in Z", _both(2 * pi / 3, pi),
               box=(157, 111)),
    set_option("O5144.bmp", r"x=(-1)^{n+1}\dfrac{\pi}{6}+\pi n,\ n\in Z",
               family((-1) ** (n + 1) * pi / 6 + pi * n), box=(157, 111)),
    set_option("O5145.bmp", r"x=\pm\dfrac{5\pi}{6}+2\pi n,\ n\in Z", _both(5 * pi / 6, 2 * pi),
               box=(157, 111)),
]


@check("P14")
def _(q, pics):
    for v in variants(q):
        k, rhs = (int(t) for t in re.search(r"(\d+)cos x=(-?\d+)$", v["labels"]["Label1"]).groups())
        want = roots(sp.Eq(k * sp.cos(x), rhs))
        only_keyed(v, lambda o: members(meaning(pics, o)) == want, "set of roots")
    return "2cos x = -1: the roots in [-12π, 12π] are exactly O5141's (keyed)"


# ============================================================== question 15
# A parallelogram with the sides a = 2√2 (O4133s, in the text) and 4 and the
# acute angle 45°: the shorter diagonal lies opposite the acute angle,
# d² = 8 + 16 − 2·2√2·4·cos 45° = 8, d = 2√2 (O4133, described with Test 4,
# where it is a wrong option). Wrong: 2√10 (the longer diagonal, with
# cos 135°), 2√6 (the cosine term lost), 8 (d² for d), 2 (the height onto
# the side 4).
PICTURES += [
    # 78 px of its 84 px box: "см" begins 80 px into the box
    inline("O4133s.bmp", r"2\sqrt{2}", box=(78, 45), label_top=19, picture_top=10,
           meaning=2 * sp.sqrt(2), align="center", color=BLUE),
    shared("O4133.bmp"),
    number_option("O5152.bmp", r"2\sqrt{10}", 2 * sp.sqrt(10), box=(94, 68)),
    number_option("O5153.bmp", r"2\sqrt{6}", 2 * sp.sqrt(6), box=(94, 68)),
    number_option("O5154.bmp", r"8", 8, box=(94, 68)),
    number_option("O5155.bmp", r"2", 2, box=(94, 68)),
]


@check("P15")
def _(q, pics):
    side_a = pics["O4133s.bmp"].meaning
    for v in variants(q):
        angle = signed_numbers(v["labels"]["Label1"])[0]
        side_b = signed_numbers(v["labels"]["Label14"])[0]
        diagonals = [sp.sqrt(side_a ** 2 + side_b ** 2 - 2 * side_a * side_b * sp.cos(sp.rad(t)))
                     for t in (angle, 180 - angle)]
        shorter = min(diagonals, key=lambda d: sp.N(d, 40))
        keyed_value_only(pics, v, shorter, "shorter diagonal")
        expect(bare(v["options"][v["right"] - 1]) == "O4133.bmp", "P15: O4133 is keyed")
    return "a = %s (O4133s), b = 4, 45°: the shorter diagonal is 2√2 = O4133 (keyed)" % side_a


# ============================================================== question 19
# Q519: √(x + 3) = x − 3; squaring gives x² − 7x + 6 = 0, x = 1 or 6, and
# x = 1 fails (√4 ≠ −2): the root is 6 (O5191). Wrong: 1; 6 (the foreign
# root kept), 1, −6; −1 (the signs of the roots), no roots.
PICTURES += [
    inline("Q519.bmp", r"\sqrt{x+3}=x-3", box=(181, 47), label_top=24, picture_top=14,
           meaning=sp.Eq(sp.sqrt(x + 3), x - 3), align="center"),
    formula("O5191.bmp", r"6", box=(99, 77), meaning=sp.FiniteSet(6)),
    formula("O5192.bmp", r"1;\ 6", box=(99, 77), meaning=sp.FiniteSet(1, 6)),
    formula("O5193.bmp", r"1", box=(99, 77), meaning=sp.FiniteSet(1)),
    formula("O5194.bmp", r"{-6};\ {-1}", box=(99, 77), meaning=sp.FiniteSet(-6, -1)),
    formula("O5195.bmp", [r"\mathrm{коренів}", r"\mathrm{немає}"], box=(99, 77),
            meaning=sp.S.EmptySet),
]


@check("P19")
def _(q, pics):
    solutions = sp.solveset(pics["Q519.bmp"].meaning, x, sp.S.Reals)
    for v in variants(q):
        only_keyed(v, lambda o: sets_equal(meaning(pics, o), solutions), "roots")
    return "Q519 solved by sympy: %s = O5191 (keyed)" % solutions


# ============================================================== question 20
# Q620: y = ax² + b. N15: the parabola y = −x²/2 + 2 (no scale: only the
# shape is read), opening downwards (a < 0) with its vertex above the origin
# (b > 0): O6201.
A_, B_ = sp.symbols("a b", real=True)
N15_F = -x ** 2 / 2 + 2
PICTURES += [
    inline("Q620.bmp", r"y=ax^2+b", box=(136, 47), label_top=24, picture_top=14,
           meaning=A_ * x ** 2 + B_),
    graph("N15.bmp", curves=[sp.lambdify(x, N15_F, "numpy")], window=(-3.6, 3.6, -1.8, 2.8),
          xticks=[], yticks=[], marks=False,
          # narrower than its 424 x 213 box: "X" stands over the box's top
          # right corner
          box=(380, 213), proportional=True, meaning={"f": N15_F}),
]


@check("P20")
def _(q, pics):
    family_ = pics["Q620.bmp"].meaning
    f = pics["N15.bmp"].meaning["f"]
    g = pics["N15.bmp"]
    for t in np.linspace(-3.6, 3.6, 13):
        expect(abs(float(g.f(t)) - float(f.subs(x, t))) < 1e-9, "N15: f as described")
    fit = sp.solve([sp.Eq(family_.subs(x, t), f.subs(x, t)) for t in (0, 1, 2)], [A_, B_],
                   dict=True)
    expect(len(fit) == 1 and sp.simplify(family_.subs(fit[0]) - f) == 0,
           "N15: the graph is y = ax² + b for one a and b")
    signs = {"a": int(sp.sign(fit[0][A_])), "b": int(sp.sign(fit[0][B_]))}
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == signs, "signs")
    return "N15 is y = ax² + b with a = %s, b = %s: signs %s = O6201 (keyed)" % (
        fit[0][A_], fit[0][B_], signs)
