"""Checks that the content modules register for the bank check.

    @check("QN16")
    def _(q, pics):
        ...                       # assert: exactly the keyed option is right
        return "U16 solved by sympy: exactly O163 (keyed) matches"

q is the question as the bank dump holds it: q["unit"], q["test"],
q["question"], q["variants"] (each: options, forms, right, picture_options,
labels, images, deal, key). pics maps picture file names (any case, with or
without "SpS\\") to their descriptions.
"""
from . import pictures

REGISTRY = {}   # unit -> [(function, module)]


class CheckFailed(AssertionError):
    pass


def check(unit):
    def register(fn):
        REGISTRY.setdefault(unit, []).append((fn, pictures._origin["module"]))
        return fn
    return register


# ---- helpers for check functions
def keyed(v):
    """The right option of a variant (text or picture file name)."""
    return v["options"][v["right"] - 1]


def keyed_form(v):
    return v["forms"][v["right"] - 1]


def others(v):
    """The four wrong options of a variant."""
    return [o for i, o in enumerate(v["options"]) if i != v["right"] - 1]


def only_keyed(v, is_right, what="option", values=None):
    """Asserts that is_right holds for the keyed option and for no other.
    values: what to test (default the options; pass v["forms"] for forms)."""
    items = values if values is not None else v["options"]
    verdicts = [bool(is_right(o)) for o in items]
    right = v["right"] - 1
    if not verdicts[right]:
        raise CheckFailed("keyed %s %r is not right (variant %r)" % (what, items[right], items))
    wrong = [items[i] for i, ok in enumerate(verdicts) if ok and i != right]
    if wrong:
        raise CheckFailed("%s %r is right too, besides the keyed %r" % (what, wrong, items[right]))
    return True


def expect(condition, message):
    if not condition:
        raise CheckFailed(message)


def bare(name):
    return pictures.bare(name)
