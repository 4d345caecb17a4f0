// Question 7: the value of |x| + |a − bx| at x = −c. The modulus bars are
// stored as characters of code 5, which the label shows as "|".
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I7, 9, 7, 180)
{
    const auto row = q.row("Ida\\VZT_12.txt", 324, 4);
    const long long a = row[0], b = row[1], c = row[2], V = row[3];

    q.grid(Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372});
    const QChar bar(5);
    q.line(1, "Знайдіть значення виразу " + QString(bar) + "x" + bar + "+" + bar
                  + QString::number(a) + "-" + QString::number(b) + "x" + bar + " при х=-"
                  + QString::number(c));
    q.textOptions(around(V), 1);

    q.solution([=](Steps &s) {
        s << "При x = " + val(-c) + ": |x| = |" + val(-c) + "| = " + val(c) + ".";
        s << "Під другим модулем: " + val(a) + " − " + val(b) + " · (" + val(-c) + ") = " + val(a)
                 + " + " + val(b * c) + " = " + val(a + b * c) + ", його модуль " + val(a + b * c)
                 + ".";
        s << "Значення виразу: " + val(c) + " + " + val(a + b * c) + " = " + val(V) + ".";
        s.answer();
    });
}
