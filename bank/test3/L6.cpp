// Question 6: a term of an arithmetic progression.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L6, 3, 6, 52)
{
    const int v = q.draw(4, 9);
    q.grid(textGrid());
    q.line(1, "Знайдіть восьмий член арифметичної прогресії, якщо відомо, що сума третього,");
    q.line(2, "сьомого і чотирнадцятого членів цієї прогресії дорівнює " + QString::number(3 * v)
                  + ".");
    q.textOptions({QString::number(v), QString::number(3 * v), QString::number(2 * v), "0", "1"},
                  1);

    q.solution([=](Steps &s) {
        s << "a<sub>n</sub> = a<sub>1</sub> + (n − 1)d, тому a<sub>3</sub> + a<sub>7</sub> + "
             "a<sub>14</sub> = 3a<sub>1</sub> + (2 + 6 + 13)d.";
        s << "3a<sub>1</sub> + 21d = 3(a<sub>1</sub> + 7d) = 3a<sub>8</sub>.";
        s << "3a<sub>8</sub> = " + val(3 * v) + ", тож a<sub>8</sub> = " + val(3 * v) + "/3 = " +
                 val(v) + ".";
        s.answer();
    });
}
