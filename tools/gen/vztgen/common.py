"""What the content modules of every test share: reading the numbers a
variant shows, comparing exact values, number and set options, and the
formula that stands inside a question line.

    from vztgen.common import (inline, keyed_value_only, meaning, number_option,
                               numbers, same, signed_numbers, text_value, variants)
"""
import re

import sympy as sp

from . import draw as d
from .checks import expect, only_keyed
from .pictures import Formula, PictureError, bare
from .style import INK, WINDOW

x = sp.Symbol("x", real=True)
n = sp.Symbol("n", integer=True)

# The baseline of a question line's text (Tahoma 24 px bold) lies 19 px below
# the label's top.
TEXT_BASELINE = 19


# ---------------------------------------------------------------- reading variants
def numbers(text):
    """The unsigned whole numbers written in a text, in order ("0,25" gives 0, 25)."""
    return [int(t) for t in re.findall(r"\d+", text)]


def signed_numbers(text):
    """The signed whole numbers written in a text, in order."""
    return [int(t) for t in re.findall(r"-?\d+", text)]


def variants(q):
    """The dumped variants of a question; a question without any is a breach."""
    expect(q["variants"], "%s: no variants in the dump" % q["unit"])
    return q["variants"]


def meaning(pics, option):
    """The meaning of an option picture ("SpS\\O51.bmp")."""
    return pics[bare(option)].meaning


def text_value(form):
    """The exact value of a text option: "7", "-7", "7,5", "3/7" or "√43";
    None when it is not a number ("не існує")."""
    s = str(form).strip()
    try:
        if s.startswith("\u221a"):
            return sp.sqrt(sp.Integer(s[1:]))
        return sp.nsimplify(sp.Rational(s.replace(",", ".")))
    except (TypeError, ValueError, sp.SympifyError):
        return None


# ---------------------------------------------------------------- exact values
def same(a, b):
    """Two exact sympy numbers are equal (checked exactly, then to 30 digits)."""
    diff = sp.nsimplify(sp.simplify(sp.sympify(a) - sp.sympify(b)))
    if diff == 0:
        return True
    return abs(sp.N(diff, 40)) < sp.Float("1e-30")


def keyed_value_only(pics, v, answer, what):
    """Exactly the keyed option picture means the number `answer`."""
    only_keyed(v, lambda o: same(meaning(pics, o), answer), what)


# ---------------------------------------------------------------- option pictures
def number_option(name, tex, value, box=(149, 87), **kw):
    """An option picture that shows one number (its meaning is the number)."""
    return Formula(name, tex, box=box, meaning=sp.sympify(value), **kw)


def family(expr):
    """The set {expr(n) : n ∈ Z} (a series of roots)."""
    return sp.ImageSet(sp.Lambda(n, expr), sp.Integers)


def set_option(name, tex, value, box=(149, 87), **kw):
    """A set of roots "x = ..., n ∈ Z" on two lines (split after the comma)."""
    first, _, second = tex.partition(r",\ ")
    return Formula(name, [first + ",", second] if second else tex, box=box, meaning=value, **kw)


def elements(s, bound=12 * sp.pi):
    """The elements of a finite set or a series of roots within [-bound, bound]."""
    if isinstance(s, sp.FiniteSet):
        return {sp.nsimplify(e) for e in s if -bound <= e <= bound}
    lam = s.lamda
    out = set()
    for k in range(-80, 81):
        v = sp.nsimplify(lam(k))
        if -bound <= v <= bound:
            out.add(v)
    return out


def roots(eq, var=x, bound=12 * sp.pi):
    """The roots of an equation within [-bound, bound], as a set of exact numbers."""
    r = sp.solveset(sp.trigsimp(eq.lhs - eq.rhs), var, sp.Interval(-bound, bound))
    expect(isinstance(r, sp.FiniteSet), "cannot list the roots of %s" % eq)
    return {sp.nsimplify(v) for v in r}


def solves(eq, value, var=x):
    """`value` is a root of the equation `eq`."""
    return sp.simplify((eq.lhs - eq.rhs).subs(var, value)) == 0


# ---------------------------------------------------------------- formulas in a line
def inline(name, tex, box, label_top, picture_top, meaning, align="left", color=INK, size=None):
    """A one-line formula in a picture box that stands over a run of blanks
    (or after the text) of a question line whose label top is label_top:
    drawn on the window's grey with its baseline on the baseline of the
    line's text, so that it reads as part of the sentence. It is set as large
    as the formulas of the house style where the box allows, smaller only
    where it does not (`size`: a size in points other than the house one)."""
    from . import style
    w, h = box
    baseline = label_top + TEXT_BASELINE - picture_top   # rows below the box's top

    def draw(ax):
        x0 = {"left": 3, "center": w / 2, "right": w - 3}[align]
        renderer = ax.figure.canvas.get_renderer()
        to_box = ax.transData.inverted()
        pt = size or style.FORMULA_PT
        while pt >= style.FORMULA_MIN_PT:
            txt = d.text(ax, x0, h - baseline, "$%s$" % tex, size=pt, ha=align, va="baseline",
                         color=color)
            (bx0, by0), (bx1, by1) = to_box.transform(
                txt.get_window_extent(renderer=renderer).get_points())
            if bx0 >= 1 and bx1 <= w - 1 and by1 - by0 <= h - 2:
                # a formula taller than the room under or over the baseline
                # moves up or down just enough
                shift = max(0.0, 1 - by0) - max(0.0, by1 - (h - 1))
                txt.set_y(h - baseline + shift)
                return
            txt.remove()
            pt -= 0.5
        raise PictureError("%s: the formula overflows its %dx%d box" % (name, w, h))

    from .pictures import Drawing
    pic = Drawing(name, box=box, draw=draw, trim=False, paper=WINDOW, exact=(color,),
                  meaning=meaning)
    pic.tex = tex
    return pic
