// Question 9: the number of roots of an equation.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W9, 7, 9, 139)
{
    q.grid(narrowGrid());
    // The equation stands in the picture over the run of blanks.
    q.line(1, "Знайдіть кількість коренів рівняння" + QString(32, QLatin1Char(' '))
                  + "на множині дійсних чисел.");
    q.picture("Image1", "SpS\\Q79.bmp", 478, 1, 200, 55, false);
    q.textOptions({"Один", "Два", "Три", "Жодного", "Безліч"}, 1);
    q.solution([=](Steps &s) {
        s << "Корінь невід'ємний, тому розв'язки можуть бути лише серед x ≥ 0.";
        s << "Піднесемо до квадрата: x + 2 = x², тобто x² − x − 2 = 0.";
        s << "Його корені x<sub>1</sub> = 2, x<sub>2</sub> = −1; за теоремою Вієта 2 + (−1) = 1, "
             "2 · (−1) = −2.";
        s << "x = −1 сторонній: √(−1 + 2) = 1 ≠ −1; x = 2 підходить: √(2 + 2) = 2.";
        s << "Отже, рівняння має один корінь x = 2.";
        s.answer();
    });
}
