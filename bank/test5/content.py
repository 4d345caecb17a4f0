"""Pictures and tables of Test 5, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
from vztgen import formula

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
