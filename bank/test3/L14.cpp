// Question 14: a particular solution of an equation.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L14, 3, 14, 60)
{
    q.grid(pictureGrid(289, 455));
    q.picture("Image1", "SpS\\Q143.bmp", 552, 2, 150, 60, true);
    upperLines(q, "Укажіть частинний розв`язок рівняння ");
    pictures(q,
             {"SpS\\O141.bmp", "SpS\\O142.bmp", "SpS\\O122.bmp", "SpS\\O123.bmp", "SpS\\O125.bmp"},
             330, QSize(115, 65), Lefts{11, 241, 471, 701, 931});

    q.solution([=](Steps &s) {
        s << "Розв'язки рівняння sin x = √3/2: x = (−1)<sup>n</sup>·π/3 + πn, n ∈ Z.";
        s << "При n = 1 маємо x = −π/3 + π = 2π/3; справді, sin(2π/3) = sin(π/3) = √3/2.";
        s << "А π/6 не підходить: sin(π/6) = 1/2.";
        s.answer("x = 2π/3");
    });
}
