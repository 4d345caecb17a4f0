// Question 14: the order of performances in a concert.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M14, 4, 14, 81)
{
    q.grid(Grid{});
    stackedLines(q, {"На концерті присвяченому дню вчителя мають виступати три танцювальні колективи, ",
                     "одна циркова група та співак. Скількома способами можна скласти програму ",
                     "концерту, якщо співак має виступати останнім?"});
    q.textOptions({"24", "12", "6", "5", "4"}, 1);
}
