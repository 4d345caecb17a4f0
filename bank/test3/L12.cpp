// Question 12: the roots of an equation.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L12, 3, 12, 58)
{
    q.grid(pictureGrid(289, 455));
    upperLines(q, "Знайдіть корені рівняння ");
    q.picture("Image1", "SpS\\Q12.bmp", 373, 2, 170, 59, true);
    pictures(q,
             {"SpS\\O121.bmp", "SpS\\O122.bmp", "SpS\\O123.bmp", "SpS\\O124.bmp", "SpS\\O125.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "За формулою зведення sin(π/2 − x) = cos x, тож рівняння має вигляд cos x = 0.";
        s << "Косинус дорівнює нулю в точках x = π/2 + πn, n ∈ Z.";
        s.answer("x = π/2 + πn, n ∈ Z");
    });
}
