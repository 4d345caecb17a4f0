// Question 1: the value of an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I1, 9, 1, 174)
{
    q.line(1, "Обчисліть значення виразу");
    q.picture("Image1", "SpS\\Q91.bmp", 393, 3, 195, 59);
    optionPictures(q, "O91", QSize(112, 52));

    q.solution([=](Steps &s) {
        s << "Добуток коренів: √50 · √2 = √(50 · 2) = √100 = 10.";
        s << "∛125 = 5, бо 5³ = 125.";
        s << "Отже, значення виразу 10 − 5 = 5.";
        s.answer("5");
    });
}
