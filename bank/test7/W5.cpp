// Question 5: a number from two remainders.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W5, 7, 5, 135)
{
    q.grid(narrowGrid());
    q.lines({"У Оксани є деяка кількість цукерок. Коли вона розклала їх у купки по 7 штук, одна",
             "цукерка залишилася, а коли розклала їх у купки по 10 цукерок, то зайвих цукерок не",
             "залишилось. Скільки цукерок могло бути в Оксани?"});
    q.textOptions({"50", "60", "55", "40", "30"}, 1);
}
