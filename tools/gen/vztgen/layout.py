"""Placing point labels where they touch nothing: the candidate positions
around a point are scored by their clearance from every drawn line and
from labels already placed, with a preference for pointing away from the
figure's centre."""
import math

import numpy as np


class Obstacles:
    def __init__(self):
        self._pts = []
        self._stack = None
        self.rects = []  # (cx, cy, hw, hh)

    def polyline(self, xy, step=2.0):
        """A line (breaks at non-finite points), sampled every `step` pixels."""
        xy = np.asarray(xy, dtype=float).reshape(-1, 2)
        if len(xy) == 0:
            return
        ok = np.isfinite(xy).all(axis=1)
        if not ok.all():
            cuts = np.flatnonzero(~ok)
            start = 0
            for c in list(cuts) + [len(xy)]:
                if c > start:
                    self.polyline(xy[start:c], step)
                start = c + 1
            return
        self._stack = None
        if len(xy) == 1:
            self._pts.append(xy)
            return
        a, b = xy[:-1], xy[1:]
        n = np.maximum(1, (np.hypot(*(b - a).T) / step).astype(int))
        seg = np.repeat(np.arange(len(a)), n)
        t = (np.arange(n.sum()) - np.repeat(np.cumsum(n) - n, n)) / np.repeat(n, n)
        pts = a[seg] + (b[seg] - a[seg]) * t[:, None]
        self._pts.append(np.vstack([pts, xy[-1:]]))

    def segment(self, a, b):
        self.polyline([a, b])

    def circle(self, c, r, t0=0.0, t1=360.0):
        n = max(8, int(abs(math.radians(t1 - t0)) * r / 2))
        t = np.radians(np.linspace(t0, t1, n))
        self._pts.append(np.column_stack([c[0] + r * np.cos(t), c[1] + r * np.sin(t)]))

    def ellipse(self, c, rx, ry, t0=0.0, t1=360.0):
        n = max(8, int(abs(math.radians(t1 - t0)) * max(rx, ry) / 2))
        t = np.radians(np.linspace(t0, t1, n))
        self._pts.append(np.column_stack([c[0] + rx * np.cos(t), c[1] + ry * np.sin(t)]))

    def point(self, p, r=0.0):
        if r > 0:
            self.circle(p, r)
        self._pts.append(np.asarray([p], dtype=float))

    def rect(self, cx, cy, hw, hh):
        self.rects.append((cx, cy, hw, hh))

    def clearance(self, cx, cy, hw, hh):
        best = math.inf
        if self._pts:
            if self._stack is None or len(self._stack[0]) != len(self._pts):
                self._stack = (list(self._pts), np.vstack(self._pts))
            pts = self._stack[1]
            dx = np.maximum(np.abs(pts[:, 0] - cx) - hw, 0.0)
            dy = np.maximum(np.abs(pts[:, 1] - cy) - hh, 0.0)
            best = float(np.sqrt(dx * dx + dy * dy).min())
        for (x, y, w, h) in self.rects:
            dx = max(abs(x - cx) - hw - w, 0.0)
            dy = max(abs(y - cy) - hh - h, 0.0)
            best = min(best, math.hypot(dx, dy))
        return best


DIRECTIONS = {"e": 0, "ne": 45, "n": 90, "nw": 135, "w": 180, "sw": 225, "s": 270, "se": 315}


def direction(where):
    """'ne' or an angle in degrees -> unit vector."""
    a = DIRECTIONS[where] if isinstance(where, str) else float(where)
    return math.cos(math.radians(a)), math.sin(math.radians(a))


def centre_at(p, d, hw, hh, gap):
    """Centre of a hw x hh half-size box whose edge is `gap` from p along d."""
    dx, dy = d
    tx = hw / abs(dx) if abs(dx) > 1e-9 else math.inf
    ty = hh / abs(dy) if abs(dy) > 1e-9 else math.inf
    t = gap + min(tx, ty)
    return p[0] + t * dx, p[1] + t * dy


def inside(poly, x, y):
    """Point in polygon (even-odd rule)."""
    n, hit = len(poly), False
    for i in range(n):
        (x1, y1), (x2, y2) = poly[i], poly[(i + 1) % n]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def hull(points):
    """Convex hull, counter-clockwise (monotone chain)."""
    pts = sorted(set((float(a), float(b)) for a, b in points))
    if len(pts) < 3:
        return pts

    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])

    lower, upper = [], []
    for p in pts:
        while len(lower) >= 2 and cross(lower[-2], lower[-1], p) <= 0:
            lower.pop()
        lower.append(p)
    for p in reversed(pts):
        while len(upper) >= 2 and cross(upper[-2], upper[-1], p) <= 0:
            upper.pop()
        upper.append(p)
    return lower[:-1] + upper[:-1]


def place(p, hw, hh, obstacles, outward=(0.0, 0.0), gap=3.0, cap=4.5, pull=3.0,
          where=None, bounds=None, region=None):
    """Best centre for a label box near point p (pixels)."""
    if where is not None:
        return centre_at(p, direction(where), hw, hh, gap)
    best, best_score = None, -math.inf
    for k, extra in [(k, e) for e in (0.0, 3.0, 7.0) for k in range(24)]:
        a = 2 * math.pi * k / 24
        d = (math.cos(a), math.sin(a))
        c = centre_at(p, d, hw, hh, gap + extra)
        # a label moves off its point only to clear a line it would touch
        score = min(obstacles.clearance(c[0], c[1], hw, hh), cap) - 0.6 * extra
        score += pull * (d[0] * outward[0] + d[1] * outward[1])
        # slight preference for the usual places (beside or below/above).
        score += 0.4 * abs(math.cos(2 * a))
        if region is not None and len(region) >= 3 and inside(region, c[0], c[1]):
            score -= 5.0
        if bounds is not None:
            x0, y0, x1, y1 = bounds
            over = max(0, x0 - (c[0] - hw), (c[0] + hw) - x1, y0 - (c[1] - hh), (c[1] + hh) - y1)
            score -= 2 * over
        if score > best_score + 1e-9:
            best, best_score = c, score
    return best
