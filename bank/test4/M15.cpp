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

    q.solution([=](Steps &s) {
        s << "SM ⊥ AC і OM ⊥ AC, тому ∠SMO — лінійний кут двогранного кута при ребрі AC.";
        s << "Трикутник SOM прямокутний (SO — висота): sin∠SMO = SO/SM = 2√3/4 = √3/2.";
        s << "Справді, OM² = 4² − (2√3)² = 16 − 12 = 4, OM = 2, і cos∠SMO = 2/4 = 1/2.";
        s << "Отже, ∠SMO = 60°.";
        s.answer("60°");
    });
}
