// Question 15: the dihedral angle of a regular triangular pyramid. Its third
// line stands in the label that other windows use for slot А.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M15, 4, 15, 82)
{
    q.grid(Grid{});
    // The height reads as 2 times the root of 3: the sign stands over the
    // four blanks and ends where the 3 begins.
    lineAt(q, 1, 48, "Висота правильної трикутної піраміди SABC дорівнює 2    3, ");
    lineAt(q, 2, 105, "а апофема - 4. Знайдіть градусну міру двогранного");
    rootSign(q, 711, 24);
    q.picture("Image1", "SpS\\Q415.bmp", 774, 3, 294, 284, true);
    pictures(q, files("O415", {1, 2, 3, 4, 5}), 330, QSize(163, 69), kWideBoxLefts);
    q.label("Label9", 10, 159).text = "кута з ребром АС.";
}
