// Question 15: the number of ways to form a heat of six out of 24 runners.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y15, 8, 15, 166)
{
    q.grid(Grid{});
    // One heat of six is a choice of six runners out of 24, C(24, 6): the
    // line says "form a heat" (to place all 24 into heats would count
    // partitions, which no option gives).
    q.lines({"У змаганнях з бігу на 200 м беруть участь 24 спортсмени. Скільки є способів",
             "скласти з них забіг із 6 осіб, якщо рівень спортсменів приблизно",
             "однаковий?"});
    q.textOptions({"134596", "4", "6", "96909120", "48"}, 1);

    q.solution([=](Steps &s) {
        s << "Порядок бігунів у забігу не важливий: це число комбінацій з 24 по 6.";
        s << "C<sub>24</sub><sup>6</sup> = (24 · 23 · 22 · 21 · 20 · 19)/(1 · 2 · 3 · 4 · 5 · 6) = "
             "96909120/720 = 134596.";
        s.answer();
    });
}
