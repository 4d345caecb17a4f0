// Question 6: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y6, 8, 6, 157)
{
    q.grid(Grid{});
    q.line(1, "Розвяжіть нерівність");
    q.picture("Image1", "SpS\\Q86.bmp", 350, 13, 173, 79);
    pictures(q, "O86", QSize(194, 58));
    q.solution([=](Steps &s) {
        s << "Нуль чисельника x = 2 входить у відповідь, нуль знаменника x = −3 — ні.";
        s << "Метод інтервалів: знак дробу на кожному з проміжків (−∞; −3), (−3; 2), (2; +∞).";
        s << "x = −4: (−4 − 2)/(−4 + 3) = 6 &gt; 0; x = 0: (0 − 2)/(0 + 3) = −2/3 &lt; 0.";
        s << "x = 3: (3 − 2)/(3 + 3) = 1/6 &gt; 0. Дріб невід'ємний на (−∞; −3) і [2; +∞).";
        s.answer("(−∞; −3) ∪ [2; +∞)");
    });
}
