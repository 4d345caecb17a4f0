// Question 14: a particular solution of a trigonometric equation.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R14, 6, 14, 123)
{
    twoLines(q, "Укажіть частинний розв`язок рівняння");
    q.picture("Image1", "SpS\\Q614.bmp", 524, 16, 135, 49);
    pictures(q, optionFiles("O614"), QSize(87, 85), Lefts{60, 288, 514, 745, 973});

    q.solution([=](Steps &s) {
        s << "tg x = √3, звідси x = arctg √3 + πn = π/3 + πn, n ∈ Z.";
        s << "При n = 0 маємо частинний розв’язок x = π/3; справді, tg(π/3) = √3.";
        s.answer("π/3");
    });
}
