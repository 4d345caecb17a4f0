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
}
