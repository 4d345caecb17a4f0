// Question 20: simplifying an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y20, 8, 20, 172)
{
    q.grid(Grid{});
    lineAt(q, 1, 10, 56, "Спростіть вираз");
    q.picture("Image1", "SpS\\Q820.bmp", 243, 3, 208, 121);
    pictures(q, "O820", QSize(121, 98));

    q.solution([=](Steps &s) {
        s << "Розкладаємо: x² − 4 = (x − 2)(x + 2), x² + 4x + 4 = (x + 2)².";
        s << "Ділення замінюємо множенням на обернений дріб: (x − 2)(x + 2)/(x + 2)² · x/(x − 2).";
        s << "Скорочуємо на (x − 2)(x + 2) і отримуємо x/(x + 2).";
        s.answer("x/(x + 2)");
    });
}
