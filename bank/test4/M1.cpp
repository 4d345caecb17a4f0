// Question 1: an expression under a condition.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M1, 4, 1, 68)
{
    q.grid(Grid{});
    // The condition stands in the picture over the run of blanks.
    lineAt(q, 1, 21, "Якщо" + QString(22, QLatin1Char(' ')) + ", то у= ");
    q.picture("Image1", "SpS\\Q1.bmp", 101, 12, 112, 62, true);
    pictures(q, files("OO", {1, 2, 3, 4, 5}));

    q.solution([=](Steps &s) {
        s << "Виразимо y з умови 2x − 3y = 6: перенесемо 2x праворуч, −3y = 6 − 2x.";
        s << "Помножимо на −1: 3y = 2x − 6.";
        s << "Поділимо обидві частини на 3: y = (2x − 6)/3 = 2x/3 − 2.";
        s << "Перевірка: при x = 3 маємо y = 2 − 2 = 0, і справді 2·3 − 3·0 = 6.";
        s.answer("2x/3 − 2");
    });
}
