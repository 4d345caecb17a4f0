// Question 6: simplifying an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W6, 7, 6, 136)
{
    lineAt(q, 1, 10, 32, "Спростіть вираз");
    q.picture("Image1", "SpS\\Q76.bmp", 289, 2, 104, 93, true);
    pictures(q, "O76", QSize(104, 93), kExpressionLefts);
    q.solution([=](Steps &s) {
        s << "Чисельник — різниця квадратів: a² − 4 = (a − 2)(a + 2).";
        s << "У знаменнику винесемо a за дужки: a² − 2a = a(a − 2).";
        s << "Скоротимо дріб на a − 2 (a ≠ 2): (a² − 4)/(a² − 2a) = (a + 2)/a.";
        s << "Перевірка при a = 4: (16 − 4)/(16 − 8) = 12/8 = 3/2 і (4 + 2)/4 = 6/4 = 3/2.";
        s.answer("(a + 2)/a");
    });
}
