// Question 20: the circumference of the circle circumscribed about a triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L20, 3, 20, 66)
{
    q.grid(pictureGrid(289, 455));
    upperLines(q, "Знайдіть довжину кола описаного навколо ", "трикутника АВС.");
    q.picture("Image1", "SpS\\Q20.bmp", 669, 5, 318, 172, true);
    pictures(q,
             {"SpS\\O201.bmp", "SpS\\O202.bmp", "SpS\\O203.bmp", "SpS\\O204.bmp", "SpS\\O205.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "За теоремою синусів BC/sin A = 2R, де R — радіус описаного кола.";
        s << "За рисунком BC = 5, ∠A = 30°, sin 30° = 1/2, тож 2R = 5/(1/2) = 10.";
        s << "Довжина кола C = 2πR = 10π.";
        s.answer("10π");
    });
}
