// Question 12: the coordinates of a vector from two points.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

namespace {
QString point(const QString &name, long long x, long long y, long long z)
{
    return name + "(" + QString::number(x) + ";" + QString::number(y) + ";" + QString::number(z)
           + ")";
}
} // namespace

VZT_QUESTION(W12, 7, 12, 142)
{
    const auto r = q.row("Ida\\VZT_9.txt", 17436, 9);
    const long long cx = r[6], cy = r[7], cz = r[8];

    // The vector's name stands in the picture over the twelve blanks.
    lineAt(q, 1, 10, 41,
           "Знайдіть координати вектора            , якщо    " + point("А", r[0], r[1], r[2]) + ","
               + QString(6, QLatin1Char(' ')) + point("В", r[3], r[4], r[5]));
    q.picture("Image1", "SpS\\Q712.bmp", 394, 33, 82, 44, true);
    q.textOptions({triple(cx, cy, cz), triple(cx, cy, cz + 1), triple(cz, cx, cy),
                   triple(cz, cy, cx), triple(cy, cz, cx)},
                  1);
    q.solution([=](Steps &s) {
        s << "Від координат кінця B віднімаємо відповідні координати початку A.";
        s << "x: " + paren(r[3]) + " − " + paren(r[0]) + " = " + val(cx) + ";  y: " + paren(r[4])
                 + " − " + paren(r[1]) + " = " + val(cy) + ";  z: " + paren(r[5]) + " − " + paren(r[2])
                 + " = " + val(cz) + ".";
        s << "Отже, вектор AB має координати (" + val(cx) + "; " + val(cy) + "; " + val(cz) + ").";
        s.answer();
    });
}
