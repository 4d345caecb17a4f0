// Question 14: the distance from a point to the hypotenuse, with SC
// perpendicular to the plane of the triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I14, 9, 14, 187)
{
    q.line(1, "Укажіть відстань від точки S до гіпотенузи АВ прямокутного");
    q.label("Label14", 10, 63).text = "трикутника АВС, якщо SC" + blanks(9) + "(ABC)";
    // The perpendicular sign stands in the nine blanks.
    q.picture("Image7", "SpS\\PP.bmp", 338, 57, 46, 38);
    q.picture("Image1", "SpS\\Q914.bmp", 793, 1, 283, 285);
    q.textOptions({"SN", "SA", "SK", "CN", "SB"}, 1);

    q.solution([=](Steps &s) {
        s << "SC ⊥ (ABC), тож SN — похила, а CN — її проекція на площину ABC.";
        s << "За рисунком CN ⊥ AB (CN — висота трикутника ABC, проведена до гіпотенузи).";
        s << "За теоремою про три перпендикуляри SN ⊥ AB, тому відстань від S до AB — це SN.";
        s.answer();
    });
}
