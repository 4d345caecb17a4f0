// Question 3: the probability of guessing an even last digit of a PIN code.
// Options 4 and 5 are the pictures of question 2's options 1 and 3.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P3, 5, 3, 91)
{
    q.lines({"Власник банкоматної картки забув останню цифру свого PIN-коду, але пам`ятає",
             "що вона є парною. Знайдіть ймовірність того, що він із першої спроби",
             "отримає доступ до системи."});
    pictures(q, {"SpS\\O531.bmp", "SpS\\O532.bmp", "SpS\\O533.bmp", "SpS\\O521.bmp",
                 "SpS\\O523.bmp"},
             QSize(92, 86), 4);

    q.solution([=](Steps &s) {
        s << "Остання цифра — одна з п’яти парних: 0, 2, 4, 6, 8; усі вони рівноможливі.";
        s << "Правильна лише одна з них, тому P = 1/5 = 0,2.";
        s.answer("1/5");
    });
}
