"""Pictures and tables of Test 8, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import math
import random
import re

import sympy as sp

from vztgen import BLUE, Table, bare, check, expect, formula, graph, only_keyed
from vztgen.common import (inline, keyed_value_only, meaning, number_option, numbers, same,
                           signed_numbers, text_value, variants)

x = sp.Symbol("x", real=True)
alpha = sp.Symbol("a", real=True)
a, b, h, S = sp.symbols("a b h S", positive=True)

PICTURES = []
TABLES = []


def options(stem, texts, box, suffix=""):
    """The five option pictures stem1 … stem5 (each a formula with its meaning):
    texts is a list of (tex, meaning)."""
    return [formula("%s%d%s.bmp" % (stem, k, suffix), tex, box=box, meaning=m)
            for k, (tex, m) in enumerate(texts, start=1)]


def interval_options(stem, sets, box):
    return options(stem, [(interval_tex(s), s) for s in sets], box)


def interval_tex(s):
    """A set of reals as the exam writes it: (−∞; −3) ∪ [2; +∞)."""
    if isinstance(s, sp.Union):
        return r"\cup".join(interval_tex(p) for p in s.args)
    if s is sp.S.EmptySet:
        return r"\varnothing"

    def end(v):
        if v == sp.oo:
            return r"{+\infty}"
        if v == -sp.oo:
            return r"{-\infty}"
        return "{%s}" % sp.latex(v) if v < 0 else sp.latex(v)

    left = "(" if s.left_open else "["
    right = ")" if s.right_open else "]"
    return r"%s%s;\,%s%s" % (left, end(s.start), end(s.end), right)


def text_only(v, value, what):
    """Exactly the keyed text option reads the number `value`."""
    only_keyed(v, lambda f: text_value(f) is not None and same(text_value(f), value), what,
               values=v["forms"])


def keyed_set(q, pics, want, what="solution set"):
    """Exactly the keyed option picture means the set `want`."""
    for v in variants(q):
        only_keyed(v, lambda o: meaning(pics, o) == want, what)
    return want


def keyed_text(q, pics, picture, what="value"):
    """Exactly the keyed text option reads the value of a formula picture."""
    value = pics[picture].meaning
    for v in variants(q):
        text_only(v, value, what)
    return "%s = %s by sympy, exactly the keyed text option" % (bare(picture)[:-4], value)


def solutions(relation, domain=sp.S.Reals):
    """The solution set, its ends simplified (log 9 / log 3 reads as 2)."""
    return tidy(sp.solveset(relation, x, domain))


def tidy(s):
    if isinstance(s, sp.Union):
        return sp.Union(*(tidy(p) for p in s.args))
    if isinstance(s, sp.Interval):
        return sp.Interval(sp.simplify(s.start), sp.simplify(s.end), s.left_open, s.right_open)
    if isinstance(s, sp.FiniteSet):
        return sp.FiniteSet(*(sp.simplify(e) for e in s))
    return s


# ============================================================== question 1
# Q81: √(75 · 12) : 5 = √900 : 5 = 30 : 5 = 6. Wrong: 30 (the division
# forgotten), 75, 5, 2.
Q81_VALUE = sp.sqrt(75 * 12) / 5
PICTURES.append(inline("Q81.bmp", r"\sqrt{75\cdot 12}:5", box=(120, 50), label_top=16,
                       picture_top=2, meaning=Q81_VALUE))


@check("Y1")
def _(q, pics):
    return keyed_text(q, pics, "Q81.bmp")


# ============================================================== question 2
# Q82: 7¹¹ / (7³ · 7⁸) = 7⁰ = 1. Wrong: 7 (a⁰ taken for a), 11, 3, 2.
Q82_VALUE = sp.Pow(7, 11) / (sp.Pow(7, 3) * sp.Pow(7, 8))
PICTURES.append(inline("Q82.bmp", r"\dfrac{7^{11}}{7^{3}\cdot 7^{8}}", box=(103, 123),
                       label_top=54, picture_top=2, meaning=Q82_VALUE))


@check("Y2")
def _(q, pics):
    return keyed_text(q, pics, "Q82.bmp")


# ============================================================== question 3
# Powers with bases below and above 1: only O831a holds (a base 0,3 < 1
# reverses the order of the exponents); the other four keep the order where a
# base below 1 reverses it, or reverse it where a base above 1 keeps it.
def _lt(p, q_):
    return sp.StrictLessThan(p, q_, evaluate=False)


def _gt(p, q_):
    return sp.StrictGreaterThan(p, q_, evaluate=False)


_third = sp.Rational(1, 3)
_p03, _p13 = sp.Rational(3, 10), sp.Rational(13, 10)
PICTURES += options("O83", [
    (r"0{,}3^{5}<0{,}3^{2}", _lt(_p03 ** 5, _p03 ** 2)),
    (r"0{,}3^{-2}<0{,}3^{-1}", _lt(_p03 ** -2, _p03 ** -1)),
    (r"\sqrt{0{,}3}<0{,}3", _lt(sp.sqrt(_p03), _p03)),
    (r"\left(\dfrac{1}{3}\right)^{2}>\dfrac{1}{3}", _gt(_third ** 2, _third)),
    (r"1{,}3^{2}<1{,}3^{-1}", _lt(_p13 ** 2, _p13 ** -1)),
], box=(184, 78), suffix="a")


def holds(relation):
    return bool(relation.func(relation.lhs, relation.rhs))


@check("Y3")
def _(q, pics):
    for v in variants(q):
        only_keyed(v, lambda o: holds(meaning(pics, o)), "true inequality")
    return "O831a-O835a evaluated by sympy: only O831a (keyed) holds"


# ============================================================== question 4
# Q84: √(x + 3) = x − 3. Squaring gives x² − 7x + 6 = 0, x = 1 or 6; x = 1
# is extraneous (√4 ≠ −2). Wrong: both roots, the extraneous one, the roots
# with the wrong signs, "no roots".
PICTURES.append(inline("Q84.bmp", r"\sqrt{x+3}=x-3", box=(127, 67), label_top=16,
                       picture_top=2, meaning=sp.Eq(sp.sqrt(x + 3), x - 3)))
PICTURES += options("O84", [
    (r"6", sp.FiniteSet(6)),
    (r"1;\ 6", sp.FiniteSet(1, 6)),
    (r"1", sp.FiniteSet(1)),
    (r"{-6};\ {-1}", sp.FiniteSet(-6, -1)),
    (r"\mathrm{коренів\ немає}", sp.S.EmptySet),
], box=(157, 103))


@check("Y4")
def _(q, pics):
    roots = keyed_set(q, pics, solutions(pics["Q84.bmp"].meaning), "set of roots")
    return "Q84: roots %s by sympy, exactly O841 (keyed)" % roots


# ============================================================== question 5
# Text only: 10000 · 1,12 = 11200 (the C++ verifier recomputes it).

# ============================================================== question 6
# Q86: (x − 2)/(x + 3) ≥ 0 gives (−∞; −3) ∪ [2; +∞). Wrong: −3 included,
# the interval between the roots, the roots with the signs swapped, [2; +∞)
# alone.
PICTURES.append(inline("Q86.bmp", r"\dfrac{x-2}{x+3}\geq 0", box=(173, 79), label_top=16,
                       picture_top=13, meaning=(x - 2) / (x + 3) >= 0))
_oo = sp.oo
PICTURES += interval_options("O86", [
    sp.Union(sp.Interval.open(-_oo, -3), sp.Interval(2, _oo)),
    sp.Union(sp.Interval(-_oo, -3), sp.Interval(2, _oo)),
    sp.Interval.Lopen(-3, 2),
    sp.Union(sp.Interval.open(-_oo, -2), sp.Interval(3, _oo)),
    sp.Interval(2, _oo),
], box=(194, 58))


@check("Y6")
def _(q, pics):
    want = keyed_set(q, pics, solutions(pics["Q86.bmp"].meaning))
    return "Q86: %s by sympy, exactly O861 (keyed)" % want


# ============================================================== question 7
# Q87: f(x) = x + 4 (a line) and g(x) = (x² + 3x)/2 + 3 (a parabola) on
# [−3; 2]; they meet at (−2; 2) and (1; 5), grid points, and stay above the
# x axis, clear of its numbers. NNN is the sign "≥" in the gap of line 3:
# f(x) ≥ g(x) exactly on [−2; 1]. Wrong: the strict inequality's set, the
# complement (the sign read the other way), and two sets with one end wrong.
Q87_F, Q87_G = x + 4, (x ** 2 + 3 * x) / 2 + 3
Q87_DOMAIN = (-3, 2)
_f87, _g87 = sp.lambdify(x, Q87_F, "math"), sp.lambdify(x, Q87_G, "math")
PICTURES.append(graph(
    "Q87.bmp",
    curves=[{"f": _f87, "domain": Q87_DOMAIN, "ends": ("closed", "closed")},
            {"f": _g87, "domain": Q87_DOMAIN, "ends": ("closed", "closed")}],
    window=(-3.6, 2.8, -0.8, 8.6), grid=True, xticks="all",
    texts=[(1.45, 4.6, "$f$"), (1.2, 6.9, "$g$")],
    # kept clear of the window's "X", which stands over the box's top right
    box=(384, 226), proportional=True, equal=False,
    meaning={"f": Q87_F, "g": Q87_G, "domain": Q87_DOMAIN}))
PICTURES.append(inline("NNN.bmp", r"\geq", box=(39, 43), label_top=107, picture_top=101,
                       meaning=sp.GreaterThan, align="center", color=BLUE))
PICTURES += interval_options("O87", [
    sp.Interval(-2, 1),
    sp.Interval.open(-2, 1),
    sp.Union(sp.Interval(-3, -2), sp.Interval(1, 2)),
    sp.Interval(-3, 1),
    sp.Interval(-2, 2),
], box=(148, 56))


def drawn_as(g, exprs):
    """The curves of graph g are the functions exprs over their domains."""
    for c, e in zip(g.curves, exprs):
        lo, hi = c.get("domain", g.window[:2])
        f = sp.lambdify(x, e, "math")
        for i in range(201):
            t = lo + (hi - lo) * i / 200
            expect(abs(c["f"](t) - f(t)) < 1e-9, "%s: a curve is not drawn as %s" % (g.name, e))


@check("Y7")
def _(q, pics):
    g = pics["Q87.bmp"]
    m = g.meaning
    drawn_as(g, [m["f"], m["g"]])
    sign = pics["NNN.bmp"].meaning
    want = solutions(sign(m["f"], m["g"]), sp.Interval(*m["domain"]))
    for v in variants(q):
        expect(v["labels"]["Label8"] == "нерівність f(x)      g(x)" and
               v["images"].get("Image1") == "SpS\\NNN.bmp", "Y7: the sign stands in line 3")
        expect(v["labels"]["Label14"].startswith("[%d;%d]." % m["domain"]),
               "Y7: the text names the graphs' domain")
    keyed_set(q, pics, want)
    return "Q87, NNN: f >= g on %s from the graphs' functions, exactly O871 (keyed)" % want


# ============================================================== question 8
# Q88: S = (a + b)/2 · h, the area of a trapezoid; b = 2S/h − a. Wrong: the
# a subtracted before dividing, h and 2 misplaced, the sign of a, h
# multiplied instead of divided.
PICTURES.append(inline("Q88.bmp", r"S=\dfrac{a+b}{2}\cdot h", box=(143, 74), label_top=16,
                       picture_top=3, meaning=sp.Eq(S, (a + b) / 2 * h)))
PICTURES += options("O88", [
    (r"b=\dfrac{2S}{h}-a", 2 * S / h - a),
    (r"b=\dfrac{2S-a}{h}", (2 * S - a) / h),
    (r"b=\dfrac{S}{2h}-a", S / (2 * h) - a),
    (r"b=\dfrac{2S}{h}+a", 2 * S / h + a),
    (r"b=2Sh-a", 2 * S * h - a),
], box=(143, 74))


@check("Y8")
def _(q, pics):
    (want,) = sp.solve(pics["Q88.bmp"].meaning, b)
    for v in variants(q):
        only_keyed(v, lambda o: sp.simplify(meaning(pics, o) - want) == 0, "b")
    return "Q88 solved for b by sympy: %s, exactly O881 (keyed)" % want


# ============================================================== question 9
# Q89: (1/3)^(x − 1) > 9, that is 3^(1 − x) > 3², x < −1. Wrong: the sign
# not reversed, the base taken as 3 (x > 3) and its mirror, x < −3.
PICTURES.append(inline("Q89.bmp", r"\left(\dfrac{1}{3}\right)^{x-1}>9", box=(143, 74),
                       label_top=16, picture_top=3,
                       meaning=sp.Rational(1, 3) ** (x - 1) > 9))
PICTURES += interval_options("O89", [
    sp.Interval.open(-_oo, -1),
    sp.Interval.open(-1, _oo),
    sp.Interval.open(3, _oo),
    sp.Interval.open(-_oo, 3),
    sp.Interval.open(-_oo, -3),
], box=(234, 52))


@check("Y9")
def _(q, pics):
    want = keyed_set(q, pics, solutions(pics["Q89.bmp"].meaning))
    return "Q89: %s by sympy, exactly O891 (keyed)" % want


# ============================================================== question 10
# 35 sweets in the ratio 1:4:2: 5 with liqueur, P = 5/35 = 1/7. Wrong: 1/3
# (the kinds as equally likely), 1/4 (1 to 4), 1/6 (1 to the rest), 2/7.
PICTURES += [number_option("O810%d.bmp" % k, r"\dfrac{%d}{%d}" % (p, q_),
                           sp.Rational(p, q_), box=(71, 82))
             for k, (p, q_) in enumerate([(1, 7), (1, 3), (1, 4), (1, 6), (2, 7)], start=1)]


@check("Y10")
def _(q, pics):
    for v in variants(q):
        total = numbers(v["labels"]["Label1"])[0]
        parts = [int(k) for k in re.search(r"(\d+):(\d+):(\d+)", v["labels"]["Label8"]).groups()]
        liqueur = sp.Rational(total * parts[0], sum(parts))
        expect(liqueur.q == 1, "Y10: a whole number of sweets with liqueur")
        keyed_value_only(pics, v, liqueur / total, "probability")
    return "Y10: 35 sweets at 1:4:2, P(liqueur) = 1/7 = O8101 (keyed)"


# ============================================================== question 11
# Q811: the graph of f(x) = 2^(x + 1) through M(−1; 1), and the point
# N(−1; −1). The graph of f(x) − a runs through N when f(−1) − a = −1, so
# a = 2.
Q811_F = 2 ** (x + 1)
Q811_M, Q811_N = (-1, 1), (-1, -1)
PICTURES.append(graph(
    "Q811.bmp", curves=[sp.lambdify(x, Q811_F, "math")], window=(-3.2, 2.4, -2.0, 4.8),
    grid=True,
    points=[{"at": Q811_M, "label": "M", "where": "se"},
            {"at": Q811_N, "label": "N", "where": "sw"}],
    texts=[(-1.8, 3.0, "$y=f(x)$")],
    box=(287, 247), proportional=True,
    meaning={"f": Q811_F, "M": Q811_M, "N": Q811_N}))


@check("Y11")
def _(q, pics):
    g = pics["Q811.bmp"]
    m = g.meaning
    drawn_as(g, [m["f"]])
    expect(m["f"].subs(x, m["M"][0]) == m["M"][1], "Q811: M lies on the graph")
    shift = m["f"].subs(x, m["N"][0]) - m["N"][1]
    for v in variants(q):
        text = v["labels"]["Label1"] + v["labels"]["Label8"]
        expect(signed_numbers(text) == [*m["M"], *m["N"]], "Y11: the text names M and N")
        text_only(v, shift, "a")
    return "Q811: f(-1) = 1, so a = f(-1) - (-1) = %s, exactly the keyed option" % shift


# ============================================================== question 12
# Q812: F = 9/5·C + 32, standing in the blanks of line 2.
C = sp.Symbol("C")
PICTURES.append(inline("Q812.bmp", r"F=\dfrac{9}{5}C+32", box=(136, 67), label_top=63,
                       picture_top=47, meaning=sp.Rational(9, 5) * C + 32, align="center"))


@check("Y12")
def _(q, pics):
    rule = pics["Q812.bmp"].meaning
    for v in variants(q):
        celsius = signed_numbers(v["labels"]["Label8"].split("\u0421=")[1])  # Cyrillic С
        want = ";".join(str(rule.subs(C, c)) for c in celsius)
        only_keyed(v, lambda f: f == want, "temperatures", values=v["forms"])
    return "Q812 (F = 9C/5 + 32) applied to the three drawn temperatures: the keyed option"


# ============================================================== question 13
# Text only: of the four statements only II (a line through two points of a
# plane lies in it) holds. I fails for skew lines, III for three points on
# one line, IV: every line through Q in the plane parallel to a is parallel
# to a.

# ============================================================== question 14
# Q814: the first side, a = 3√3, in the blue of the text. The larger
# diagonal lies opposite the obtuse angle of 150°: d² = a² + 9 + 3√3·a =
# 27 + 9 + 27 = 63, d = 3√7. Wrong: 3 (the shorter diagonal), 6 (as in a
# rectangle), 3 + 3√3 (the sides added), 3√5.
Q814_A = 3 * sp.sqrt(3)
PICTURES.append(inline("Q814.bmp", r"3\sqrt{3}", box=(97, 61), label_top=90, picture_top=70,
                       meaning=Q814_A, align="right", color=BLUE))
PICTURES += options("O814", [
    (r"3\sqrt{7}", 3 * sp.sqrt(7)),
    (r"3", sp.Integer(3)),
    (r"6", sp.Integer(6)),
    (r"3+3\sqrt{3}", 3 + 3 * sp.sqrt(3)),
    (r"3\sqrt{5}", 3 * sp.sqrt(5)),
], box=(97, 61))


@check("Y14")
def _(q, pics):
    side_a = pics["Q814.bmp"].meaning
    for v in variants(q):
        angle = numbers(v["labels"]["Label1"])[0]
        side_b = numbers(v["labels"]["Label14"])[0]
        expect(angle == 30 and side_b == 3, "Y14: an angle of 30° and a side of 3")
        cosine = sp.cos(sp.rad(angle))
        d = max((sp.sqrt(side_a ** 2 + side_b ** 2 + s * 2 * side_a * side_b * cosine)
                 for s in (1, -1)), key=lambda e: sp.N(e, 30))
        expect(same(d, sp.sqrt(side_a ** 2 + 9 + 3 * sp.sqrt(3) * side_a)),
               "Y14: d = √(a² + 9 + 3√3·a)")
        keyed_value_only(pics, v, d, "larger diagonal")
    return "Q814: a = %s; the larger diagonal %s by the law of cosines, O8141 (keyed)" % (
        side_a, sp.sqrt(sp.expand(side_a ** 2 + 9 + 3 * sp.sqrt(3) * side_a)))


# ============================================================== question 15
# Text only: C(24, 6) = 134596 (the C++ verifier recomputes it).

# ============================================================== question 16
# The table "VZT_10.txt": R, r, h, N with N = 4R³/(r²h) (the ball's volume
# over a cone's), whole, and N >= 6 so that N, 2N, N div 2, N div 3, N div 6
# are five different numbers. Sizes in whole centimetres: a ball of 3 to 10
# cm, cones lower than the ball's diameter and narrower than the ball.
def vzt10_rows():
    found = []
    for R in range(3, 11):
        for r in range(1, R):
            for height in range(2, 2 * R + 1):
                n_, rem = divmod(4 * R ** 3, r * r * height)
                if rem == 0 and 6 <= n_ <= 200:
                    found.append((R, r, height, n_))
    random.Random(810).shuffle(found)
    return found[:10]


def vzt10_relation(row):
    R, r, height, n_ = row
    values = [n_, 2 * n_, n_ // 2, n_ // 3, n_ // 6]
    return (n_ * r * r * height == 4 * R ** 3 and n_ >= 6 and len(set(values)) == 5
            and 1 <= r < R and height <= 2 * R)


TABLES.append(Table(
    "VZT_10.txt", columns=4, min_rows=10, rows=vzt10_rows, relation=vzt10_relation,
    rule="c4 = 4·c1³/(c2²·c3) exactly (a ball of radius c1 recast into c4 cones of base "
         "radius c2 and height c3), 6 <= c4 <= 200, 1 <= c2 < c1, c3 <= 2·c1; 10 rows from "
         "3 <= c1 <= 10 by a seeded shuffle"))


@check("Y16A")
def _(q, pics):
    for v in variants(q):
        R, height = numbers(v["labels"]["Label1"])
        r = numbers(v["labels"]["Label14"])[0]
        ball = sp.Rational(4, 3) * sp.pi * R ** 3
        cone = sp.pi * r ** 2 * height / 3
        text_only(v, sp.simplify(ball / cone), "number of cones")
    return "Y16A: %d rows, the ball's volume over a cone's is exactly the keyed option" % len(
        q["variants"])


# ============================================================== question 17
# Q817: cos a = 0,8 with 3π/2 < a < 2π (the fourth quarter): sin a = −0,6.
# Wrong: 0,6 (the quarter ignored), −0,8 (sine and cosine confused), 0,4 and 1,6
# (1 ∓ 0,6).
Q817 = {"cos": sp.Rational(4, 5), "from": 3 * sp.pi / 2, "to": 2 * sp.pi}
PICTURES.append(inline("Q817.bmp", r"\cos a=0{,}8,\quad \dfrac{3\pi}{2}<a<2\pi", box=(339, 71),
                       label_top=16, picture_top=2, meaning=Q817))


@check("Y17")
def _(q, pics):
    m = pics["Q817.bmp"].meaning
    angles = sp.solveset(sp.cos(alpha) - m["cos"], alpha, sp.Interval.open(m["from"], m["to"]))
    expect(isinstance(angles, sp.FiniteSet) and len(angles) == 1, "Q817: one angle a")
    sine = sp.simplify(sp.sin(next(iter(angles))))
    for v in variants(q):
        text_only(v, sine, "sin a")
    return "Q817: the one a in (3π/2; 2π) with cos a = 4/5 has sin a = %s, the keyed option" % sine


# ============================================================== question 18
# The table "VZT_11.txt": J (each of January to April), May, June, July,
# August and the average A of the eight months, 8A = 4J + May + June + July
# + August exactly. Outputs of 8 to 30 units, August 5 to 22 (its noun is
# chosen by its value), not all equal; A >= 3 keeps A − 2 positive.
def vzt11_rows():
    rnd = random.Random(811)
    rows, seen = [], set()
    while len(rows) < 153:
        j, may, june, july = (rnd.randint(8, 30) for _ in range(4))
        aug = rnd.randint(5, 22)
        total = 4 * j + may + june + july + aug
        key = (j, may, june, july, aug)
        if total % 8 or key in seen or len(set(key)) == 1:
            continue
        seen.add(key)
        rows.append(key + (total // 8,))
    return rows


def vzt11_relation(row):
    j, may, june, july, aug, avg = row
    return (8 * avg == 4 * j + may + june + july + aug and 5 <= aug <= 22 and avg >= 3
            and len(set(row[:5])) > 1)


TABLES.append(Table(
    "VZT_11.txt", columns=6, min_rows=153, rows=vzt11_rows, relation=vzt11_relation,
    rule="8·c6 = 4·c1 + c2 + c3 + c4 + c5 exactly; 5 <= c5 <= 22; c6 >= 3; c1..c5 not all "
         "equal; c1..c4 from 8 to 30, drawn by a seeded generator, rows pairwise different"))


@check("Y18")
def _(q, pics):
    for v in variants(q):
        j, may = numbers(v["labels"]["Label1"])
        june, july, aug = numbers(v["labels"]["Label14"])
        noun = re.search(r"у серпні - \d+( \S+)? виробу", v["labels"]["Label14"]).group(1)
        expect(noun == {21: " одиницю", 22: " одиниці"}.get(aug, " одиниць"),
               "Y18: the noun after August's %d" % aug)
        text_only(v, sp.Rational(4 * j + may + june + july + aug, 8), "average")
    return "Y18: %d rows, the average of the eight months is exactly the keyed option" % len(
        q["variants"])


# ============================================================== question 19
# A box 8 × 5 × 4,5 cm has a surface of 2(40 + 36 + 22,5) = 197 cm². The
# seams take 10 % of all the fabric: 0,9F = 197, F = 197 / 0,9 ≈ 218,9 cm².
# Wrong: 197 + 10 % = 216,7, 197 / 1,1 ≈ 179,1, 197 (no seams), 180 (the
# volume). An option marked "≈" is right when it is the answer rounded to
# tenths; one without the mark must be exact.
def _area(name, value, approx):
    tex = (r"\approx " if approx else "") + str(value).replace(".", "{,}") + r"\ \mathrm{см^2}"
    return formula(name, tex, box=(195, 62),
                   meaning={"value": sp.Rational(str(value)), "approx": approx})


PICTURES += [_area("O8191.bmp", 218.9, True), _area("O8192.bmp", 216.7, False),
             _area("O8193.bmp", 179.1, True), _area("O8194.bmp", 197, False),
             _area("O8195.bmp", 180, False)]


def decimals(text):
    return [sp.Rational(t.replace(",", ".")) for t in re.findall(r"\d+(?:,\d+)?", text)]


@check("Y19")
def _(q, pics):
    def right(o, fabric):
        m = meaning(pics, o)
        if m["approx"]:
            return m["value"] == sp.Rational(round(fabric * 10), 10)
        return m["value"] == fabric

    for v in variants(q):
        l, w = decimals(v["labels"]["Label1"])[-1], decimals(v["labels"]["Label14"])[0]
        height = decimals(v["labels"]["Label14"])[1]
        seams = decimals(v["labels"]["Label8"])[0] / 100
        expect((l, w, height) == (8, 5, sp.Rational(9, 2)), "Y19: the box is 8 × 5 × 4,5")
        surface = 2 * (l * w + w * height + height * l)
        fabric = surface / (1 - seams)
        only_keyed(v, lambda o: right(o, fabric), "area of the fabric")
    return "Y19: surface 197, fabric 197/0,9 = 218,8(8) ≈ 218,9 = O8191 (keyed)"


# ============================================================== question 20
# Q820: (x² − 4)/(x² + 4x + 4) : (x − 2)/x = x/(x + 2). Wrong: the quotient
# turned over, a sign slip, the division taken for a multiplication, the x
# of the numerator lost.
PICTURES.append(inline("Q820.bmp", r"\dfrac{x^2-4}{x^2+4x+4}:\dfrac{x-2}{x}", box=(208, 121),
                       label_top=56, picture_top=3,
                       meaning=(x ** 2 - 4) / (x ** 2 + 4 * x + 4) / ((x - 2) / x)))
PICTURES += options("O820", [
    (r"\dfrac{x}{x+2}", x / (x + 2)),
    (r"\dfrac{x+2}{x}", (x + 2) / x),
    (r"\dfrac{x}{x-2}", x / (x - 2)),
    (r"\dfrac{(x-2)^2}{x(x+2)}", (x - 2) ** 2 / (x * (x + 2))),
    (r"\dfrac{1}{x+2}", 1 / (x + 2)),
], box=(121, 98))


@check("Y20")
def _(q, pics):
    expr = pics["Q820.bmp"].meaning
    for v in variants(q):
        only_keyed(v, lambda o: sp.cancel(expr - meaning(pics, o)) == 0, "simplified expression")
    return "Q820 = %s by sympy, exactly O8201 (keyed)" % sp.cancel(expr)
