// Question 12: a numerical expression with square roots.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H12, 10, 12, 206)
{
    q.grid(wideGrid());
    lowLines(q, "Обчисліть: ");
    q.picture("Image1", "SpS\\Q1012.bmp", 199, 9, 207, 103, true);
    pictures(q,
             {"SpS\\O10121.bmp", "SpS\\O10122.bmp", "SpS\\O10123.bmp", "SpS\\O10124.bmp",
              "SpS\\O10125.bmp"},
             QSize(99, 83));

    q.solution([=](Steps &s) {
        s << "75 = 25 · 3 і 27 = 9 · 3, тому √75 = 5√3, √27 = 3√3.";
        s << "(√75 − √27)/√3 = (5√3 − 3√3)/√3 = 2√3/√3 = 2.";
        s.answer("2");
    });
}
