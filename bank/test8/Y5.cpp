// Question 5: the interest on a deposit after one year.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y5, 8, 5, 156)
{
    q.grid(Grid{});
    q.line(1, "Клієнт кладе в банк 10000 грн під 12% річних. Скільки грошей");
    q.line(2, "одержить вкладник через один рік?");
    q.textOptions({"11200", "10120", "12000", "1200", "11000"}, 1);
    q.solution([=](Steps &s) {
        s << "За рік банк нарахує 12 % від 10000 грн: 0,12 · 10000 = 1200 грн.";
        s << "Разом із вкладом: 10000 + 1200 = 11200 грн.";
        s.answer();
    });
}
