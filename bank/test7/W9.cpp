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
}
