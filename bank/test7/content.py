"""Pictures and tables of Test 7, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import sympy as sp

from vztgen import formula

PICTURES = []
TABLES = []

# ============================================================== shared with other tests
# O735: the set (−∞; −3) ∪ (2; +∞). A wrong option of question 3 here and the
# right option of Test 10 question 16 (whose inequality has exactly these
# solutions); both questions check it.
PICTURES.append(formula(
    "O735.bmp", r"(-\infty;\,{-3})\cup(2;\,{+\infty})", box=(164, 74),
    meaning=sp.Union(sp.Interval.open(-sp.oo, -3), sp.Interval.open(2, sp.oo))))
