// Question 3: the perimeter of a regular pentagon with a whole side.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H3, 10, 3, 197)
{
    const int P = 5 * q.draw(11, 19);

    q.grid(narrowGrid());
    q.line(1, "Дитячий майданчик має форму правильного п`ятикутника, довжина сторони якого ");
    q.line(2, "виражається цілим числом метрів. Яким числом метрів може виражатися периметр ");
    q.line(3, "цього майданчика?");
    q.textOptions({num(P), num(P + 1), num(P + 2), num(P - 3), num(P - 4)}, 1);

    q.solution([=](Steps &s) {
        s << "У правильного п’ятикутника всі 5 сторін рівні: P = 5a, де a — ціле число метрів.";
        s << "Тож периметр ділиться на 5. Серед варіантів на 5 ділиться лише " + val(P) + " = 5 · "
                 + val(P / 5) + ".";
        s.answer();
    });
}
