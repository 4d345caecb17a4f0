// Question 10: the radius of the circle circumscribed about a pictured triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R10, 6, 10, 119)
{
    twoLines(q, "Знайдіть радіус описаного навколо трикутника кола ", "з центром у точці О.");
    q.picture("Image1", "SpS\\Q610.bmp", 787, 32, 189, 189);
    pictures(q, optionFiles("O610"), QSize(129, 41));

    q.solution([=](Steps &s) {
        s << "За теоремою синусів AB/sin C = 2R, звідси R = AB/(2 sin C).";
        s << "На рисунку AB = 7, кут C = 30°, а sin 30° = 1/2.";
        s << "R = 7/(2 · sin 30°) = 7/(2 · 1/2) = 7.";
        s.answer("7");
    });
}
