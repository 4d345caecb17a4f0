"""The house style of every generated picture, in one place.

Stand-alone pictures (formulas, graphs, figures) are drawn in INK; pictures
that stand inside the blue question text (signs, the fraction bar, pi, the
root) use BLUE, the colour of the labels. Text-like pictures (formulas) sit
on WINDOW, the question window's background, so they read as part of the
line; graphs, figures and drawings sit on PAPER, a white card.
"""
import matplotlib

matplotlib.use("Agg")
matplotlib.rcParams.update({
    "mathtext.fontset": "stix",
    "font.family": "STIXGeneral",
    "text.antialiased": True,
    "lines.antialiased": True,
    "lines.solid_capstyle": "round",
    "lines.dash_capstyle": "butt",
    "axes.unicode_minus": True,
    "path.simplify": False,
    "svg.hashsalt": "vzt",
})

DPI = 100                     # one box pixel is one canvas pixel
PX_PER_PT = DPI / 72.0        # matplotlib sizes are points

INK = "#0b1d6b"               # dark navy: lines, text and curves
BLUE = "#0000ff"              # the question text's blue, rgb(0, 0, 255)
PAPER = "#ffffff"             # background of graphs, figures and drawings
WINDOW = "#efefef"            # background of the question window
SOFT = "#9fb0d8"              # grid lines, secondary marks
TINT = "#dfe6f5"              # filled regions
ACCENT = "#c0282d"            # rare emphasis (a point asked about)

FORMULA_PT = 20.0             # digits as high as those of the 24 px label text
FORMULA_MIN_PT = 12.0         # a formula may shrink to this to fit its box
LABEL_PT = 15.0               # point labels of figures
GRAPH_PT = 13.0               # axis letters and tick numbers of graphs
GRAPH_SMALL_PT = 11.0         # the same in small boxes (side under 180 px)
MIN_TEXT_PX = 13.0            # smallest text height a learner reads with ease

LINE_PT = 1.25                # segments and axes (about 1.7 px)
CURVE_PT = 1.7                # graph curves (about 2.4 px)
THIN_PT = 0.7                 # grid and tick marks
DOT_PX = 6.0                  # diameter of a marked point
MARGIN = 3                    # blank pixels kept around a trimmed picture
COLOURS = 16                  # entries in the BMP palette


def pt_to_px(pt):
    return pt * PX_PER_PT


def px_to_pt(px):
    return px / PX_PER_PT
