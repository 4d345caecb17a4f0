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
}
