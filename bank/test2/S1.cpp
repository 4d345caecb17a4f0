#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// B sin²a − A + B cos²a = B − A.
VZT_QUESTION(S1, 2, 1, 26)
{
    q.grid(rows(161, kNarrowSlotLefts, 400));
    const int A = q.draw(2, 9);
    int B = q.draw(2, 9);
    while (B == A)
        B = q.draw(2, 9);

    q.line(1, "Знайдiть значення виразу " + num(B) + "sin  a-" + num(A) + "+" + num(B) + "cos  a .");
    // the exponents of sin and cos, over the two blanks after each
    q.label("Label14", 399, 6, smallFont(19)).text = "2";
    q.label("Label8", 527, 6, smallFont(19)).text = "2";

    q.textOptions({num(B - A), num(A + B), num(A - B), num(A + B - 1), num(A + B + 1)}, 1);

    q.solution([=](Steps &s) {
        s << "Згрупуємо доданки з sin²a і cos²a та скористаємося тотожністю sin²a + cos²a = 1.";
        s << val(B) + "sin²a + " + val(B) + "cos²a = " + val(B) + "(sin²a + cos²a) = " + val(B) +
                 " · 1 = " + val(B) + ".";
        s << "Значення виразу " + val(B) + " − " + val(A) + " = " + val(B - A) + ".";
        s.answer();
    });
}
