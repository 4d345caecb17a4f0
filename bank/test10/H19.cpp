// Question 19: programmes of five groups with a fixed last one.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H19, 10, 19, 213)
{
    q.grid(narrowGrid());
    q.line(1, "У перервах футбольних матчів повинні виступати групи підтримки, на кожному матчі по");
    q.line(2, "п`ять груп, причому певна група завжди має виступати останньою. Скількома різними ");
    q.line(3, "способами можна скласти програму виступів груп підтримки?");
    q.textOptions({"24", "20", "4", "6", "5"}, 1);

    q.solution([=](Steps &s) {
        s << "Остання група визначена, тож переставляємо лише решту 5 − 1 = 4 групи.";
        s << "Кількість перестановок із 4 елементів: P<sub>4</sub> = 4! = 1 · 2 · 3 · 4 = 24.";
        s.answer();
    });
}
