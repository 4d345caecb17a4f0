"""Pictures and tables of Test 4, grouped by the question that shows them,
with the checks that prove the keyed option right in every variant."""
import sympy as sp

from vztgen.common import number_option

PICTURES = []
TABLES = []

# ============================================================== shared with other tests
# These option pictures serve in other tests too; their values are fixed here
# and every question that shows them checks them.
#
# O4133 (2√2): a wrong option of question 13 (the distance there is 1) and the
# right option of Test 5 question 15 (the shorter diagonal of a parallelogram
# with sides 2√2 and 4 and an angle of 45°: 8 + 16 − 2·2√2·4·cos 45° = 8).
PICTURES.append(number_option("O4133.bmp", r"2\sqrt{2}", 2 * sp.sqrt(2), box=(94, 68)))

# O4151-O4155: angles in degrees. O4151 (60°) is right in question 15 (the
# dihedral angle at a base edge: sin φ = 2√3/4) and in Test 7 question 16 (the
# lateral edge and the base: tg φ = SO/BO = 4√3/4). Wrong: 30° (sine and
# cosine, or tangent and cotangent, confused), 45°, arctg(√3/2) (h over the
# apothem taken for a tangent), arctg(2√3/3) (SO over the whole height BN).
ANGLE_OPTIONS = {
    "O4151.bmp": (r"60^\circ", sp.Integer(60)),
    "O4152.bmp": (r"30^\circ", sp.Integer(30)),
    "O4153.bmp": (r"45^\circ", sp.Integer(45)),
    "O4154.bmp": (r"\mathrm{arctg}\,\dfrac{\sqrt{3}}{2}", sp.atan(sp.sqrt(3) / 2) * 180 / sp.pi),
    "O4155.bmp": (r"\mathrm{arctg}\,\dfrac{2\sqrt{3}}{3}",
                  sp.atan(2 * sp.sqrt(3) / 3) * 180 / sp.pi),
}
PICTURES += [number_option(name, tex, value, box=(163, 69))
             for name, (tex, value) in ANGLE_OPTIONS.items()]
