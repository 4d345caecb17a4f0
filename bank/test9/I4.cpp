// Question 4: the intervals where a function decreases.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I4, 9, 4, 177)
{
    // The function stands in the picture over the 26 blanks.
    q.line(1, "Укажіть проміжки, на яких функція" + blanks(26) + "спадає");
    q.picture("Image1", "SpS\\Q94a.bmp", 462, 18, 154, 45);
    optionPictures(q, "O94", QSize(230, 47), kWideBoxLefts);

    q.solution([=](Steps &s) {
        s << "Похідна: y′ = 4x³ − 16x = 4x(x − 2)(x + 2); її нулі −2, 0 і 2.";
        s << "Знаки y′: «−» на (−∞; −2), «+» на (−2; 0), «−» на (0; 2), «+» на (2; +∞).";
        s << "Функція спадає там, де y′ ≤ 0: на (−∞; −2] і на [0; 2].";
        s.answer("(−∞; −2] і [0; 2]");
    });
}
