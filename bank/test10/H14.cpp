// Question 14: the equation without roots.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H14, 10, 14, 208)
{
    q.grid(wideGrid());
    lowLines(q, "Укажіть рівняння, яке НЕ має розв`язків");
    pictures(q,
             {"SpS\\O10141.bmp", "SpS\\O10142.bmp", "SpS\\O10143.bmp", "SpS\\O10144.bmp",
              "SpS\\O10145.bmp"},
             QSize(179, 108));

    q.solution([=](Steps &s) {
        s << "Арифметичний квадратний корінь невід’ємний: √(x − 1) ≥ 0, тож він не дорівнює −2.";
        s << "Решта рівнянь мають корені: x² = −x при x = 0, 2<sup>x</sup> = 1/4 при x = −2.";
        s << "Так само log<sub>2</sub> x = −3 при x = 1/8, cos x = −1 при x = π.";
        s.answer("√(x − 1) = −2");
    });
}
