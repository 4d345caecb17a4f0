// Question 11: the coordinates of a vector given by three points.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

namespace {
QString point(long long x, long long y, long long z)
{
    return QString::number(x) + ";" + QString::number(y) + ";" + QString::number(z);
}
QString coordinates(long long x, long long y, long long z)
{
    return "(" + point(x, y, z) + ")";
}
} // namespace

VZT_QUESTION(L11, 3, 11, 57)
{
    const auto r = q.row("Ida\\VZT_6.txt", 173328, 12);
    const long long X = r[9], Y = r[10], Z = r[11];

    q.grid(Grid{kWideLefts, 289, kWideLefts, 349, 455});
    lineAt(q, 1, 10, 21,
           "Знайдіть координати вектора" + QString(23, QLatin1Char(' ')) + ", якщо В("
               + point(r[3], r[4], r[5]) + "),");
    lineAt(q, 2, 10, 85,
           "C(" + point(r[6], r[7], r[8]) + "), A(" + point(r[0], r[1], r[2]) + ").");
    q.picture("Image1", "SpS\\Q11.bmp", 392, 5, 155, 70, true);

    q.textOptions({coordinates(X, Y, Z), coordinates(X, Y - 1, Z), coordinates(X, Y + 1, Z),
                   coordinates(X + 1, Y, Z), coordinates(X, Y, Z - 1)},
                  1);
    // The same mark stands over every slot, whatever the deal.
    static constexpr Lefts markLefts{55, 285, 515, 745, 975};
    for (int k = 0; k < 5; ++k)
        q.picture(kSlotImages[k], "SpS\\N14.bmp", markLefts[k], 338, 102, 13, false);

    const long long A[3]{r[0], r[1], r[2]}, B[3]{r[3], r[4], r[5]}, C[3]{r[6], r[7], r[8]};
    q.solution([=](Steps &s) {
        s << "Координати вектора: від координат його кінця віднімаємо координати початку.";
        s << "Тому 2·AB − AC = 2(B − A) − (C − A) = 2B − A − C.";
        static const char *names[3]{"x", "y", "z"};
        for (int i = 0; i < 3; ++i)
            s << QString(names[i]) + " = 2·" + paren(B[i]) + " − " + paren(A[i]) + " − "
                     + paren(C[i]) + " = " + val(2 * B[i] - A[i] - C[i]) + ".";
        s.answer();
    });
}
