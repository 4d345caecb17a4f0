"""Pictures (SpS) and tables (Ida) of the question bank, generated from
their mathematics in one house style. See tools/gen/README.md."""
from . import style
from .checks import CheckFailed, bare, check, expect, keyed, keyed_form, only_keyed, others
from .pictures import (Drawing, Figure, Formula, Graph, Mapper, PictureError, SharedRef,
                       point_tex)
from .tables import Row, Table, TableError
from .style import ACCENT, BLUE, INK, PAPER, SOFT, TINT, WINDOW

__all__ = [
    "formula", "graph", "figure", "drawing", "shared", "oblique", "Table", "Row", "check",
    "expect", "keyed", "keyed_form", "others", "only_keyed", "bare", "CheckFailed", "Formula",
    "Graph", "Figure", "Drawing", "SharedRef", "Mapper", "PictureError", "TableError",
    "point_tex", "style", "INK", "BLUE", "PAPER", "WINDOW", "SOFT", "TINT", "ACCENT",
]


def formula(name, tex, box, meaning=None, **kw):
    return Formula(name, tex, box, meaning=meaning, **kw)


def graph(name, curves=(), window=(-5, 5, -5, 5), box=(200, 200), points=(), meaning=None, **kw):
    return Graph(name, curves=curves, window=window, box=box, points=points, meaning=meaning, **kw)


def figure(name, points, segments=(), hidden=(), box=(200, 200), meaning=None, **kw):
    return Figure(name, points, segments=segments, hidden=hidden, box=box, meaning=meaning, **kw)


def drawing(name, box, draw, meaning=None, **kw):
    return Drawing(name, box, draw, meaning=meaning, **kw)


def shared(name):
    """Marks a picture described in another module (data/shared.py or the
    test that uses it first) as used here; its description is in pics."""
    return SharedRef(name)


def oblique(p, k=0.5, angle=45.0):
    """Cabinet projection of a point (x, y, z) of space (z towards the
    viewer's back) onto the picture plane: the usual school drawing of solids."""
    import math
    x, y, z = p
    a = math.radians(angle)
    return (x + k * z * math.cos(a), y + k * z * math.sin(a))
