// Question 1 of Test 1: the natural number among five numbers.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN1, 1, 1, 4)
{
    const int a = q.draw(1, 9);
    const int b = q.draw(1, 9);
    const int c = q.draw(1, 9);
    const int d = q.draw(1, 9);
    const int e = q.draw(1, 4);
    const int f = q.draw(5, 9);

    q.grid(Grid{kNarrowLefts, 94, kNarrowSlotLefts, 184, 329, {1072, 8}});
    q.line(1, "Укажіть натуральне число");
    q.line(3, "");

    const QString E = QString::number(e), F = QString::number(f);
    q.textOptions({"0", "-" + QString::number(a), QString::number(b) + "," + QString::number(c),
                   QString::number(d), E},
                  4);
    // Option 5, the proper fraction e/f, shows its numerator in its slot,
    // the bar below it and the denominator under the bar.
    q.stackedFraction(5, E, F);

    q.solution([=](Steps &s) {
        s << "Натуральні числа — це числа 1, 2, 3, …, якими лічать предмети.";
        s << "Число 0 не натуральне, від’ємне число " + val(-a) + " — теж.";
        s << "Числа " + QString::number(b) + "," + QString::number(c) + " і " + frac(e, f) +
                 " не цілі, тому теж не натуральні.";
        s << "Натуральне лише число " + val(d) + ".";
        s.answer();
    });
}
