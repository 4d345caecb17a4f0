// Question 4: an equation.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y4, 8, 4, 155)
{
    q.grid(Grid{});
    q.line(1, "Розвяжіть рівняння");
    q.picture("Image1", "SpS\\Q84.bmp", 355, 2, 127, 67);
    pictures(q, "O84", QSize(157, 103));
    q.solution([=](Steps &s) {
        s << "Корінь невід'ємний, тому x − 3 ≥ 0, тобто x ≥ 3.";
        s << "Піднесемо до квадрата: x + 3 = x² − 6x + 9, тобто x² − 7x + 6 = 0.";
        s << "Корені 1 і 6: за теоремою Вієта 1 + 6 = 7, 1 · 6 = 6.";
        s << "x = 1 сторонній: √(1 + 3) = 2, а 1 − 3 = −2. Для x = 6: √(6 + 3) = 3 і 6 − 3 = 3.";
        s.answer("6");
    });
}
