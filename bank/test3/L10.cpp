// Question 10: the circle circumscribed about a rectangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L10, 3, 10, 56)
{
    const auto row = q.row("Ida\\VZT_pifa.txt", 52, 3);
    const long long a = row[0], b = row[1], c = row[2];

    q.grid(textGrid());
    q.line(1, "Сторони прямокутника дорівнюють " + QString::number(a) + " см і "
                  + QString::number(b) + " см. Знайдіть радіус кола,");
    q.line(2, "описаного навколо цього прямокутника.");
    q.textOptions({QString::number(c / 2), QString::number(c), QString::number((c - 1) / 2),
                   QString::number(c - 1), QString::number(c - 4)},
                  1);

    q.solution([=](Steps &s) {
        s << "Центр описаного кола — точка перетину діагоналей, тому R = d/2.";
        s << "d² = " + val(a) + "² + " + val(b) + "² = " + val(a * a) + " + " + val(b * b) + " = " +
                 val(c * c) + ", d = " + val(c) + " см.";
        s << "R = " + val(c) + "/2 = " + val(c / 2) + " см.";
        s.answer();
    });
}
