// Question 20: the height AN of an isosceles triangle with AB = BC = 4 and the
// angle a at B: AN = 4 sin a.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R20, 6, 20, 129)
{
    twoLines(q, "Знайдіть висоту AN трикутника АВС, якщо АВ=ВС=4, кут В=a");
    q.picture("Image1", "SpS\\Q620A.bmp", 787, 32, 246, 235);
    pictures(q, optionFiles("O620", "A"), QSize(141, 92));

    q.solution([=](Steps &s) {
        s << "AN ⊥ BC, тому трикутник ABN прямокутний, його гіпотенуза AB = 4.";
        s << "Катет AN лежить проти кута B = α, тому AN = AB · sin α = 4 sin α.";
        s.answer("4 sin α");
    });
}
