// Question 8: the triangle that a point of BC cuts from a parallelogram.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H8, 10, 8, 202)
{
    q.grid(wideGrid());
    lowLines(q, "Площа паралелограма ABCD дорівнює 98. Точка К лежить на ",
             "прямій ВС. Знайдіть площу трикутника АКD");
    q.picture("Image7", "SpS\\Q108.bmp", 828, 5, 243, 165, true);
    pictures(q,
             {"SpS\\O1081.bmp", "SpS\\O1082.bmp", "SpS\\O1083.bmp", "SpS\\O1084.bmp",
              "SpS\\O1085.bmp"},
             QSize(155, 54));

    q.solution([=](Steps &s) {
        s << "Точка K лежить на прямій BC, а BC ∥ AD.";
        s << "Тому висота трикутника AKD, проведена з K до AD, дорівнює висоті h паралелограма.";
        s << "S<sub>AKD</sub> = 1/2 · AD · h = 1/2 · S<sub>ABCD</sub> = 1/2 · 98 = 49.";
        s.answer("49");
    });
}
