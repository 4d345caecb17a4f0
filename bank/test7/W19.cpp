// Question 19: the point symmetric to a point with respect to the plane x0z.
#include "common.h"

#include <cstdlib>

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W19, 7, 19, 149)
{
    // Three different absolute values from 1 to 9, each sign drawn apart.
    int x = q.draw(1, 9);
    if (q.draw(1, 100) < 50)
        x = -x;
    int y = q.draw(1, 9);
    while (y == std::abs(x))
        y = q.draw(1, 9);
    if (q.draw(1, 100) < 50)
        y = -y;
    int z = q.draw(1, 9);
    while (z == std::abs(x) || z == std::abs(y))
        z = q.draw(1, 9);
    if (q.draw(1, 100) < 50)
        z = -z;

    lineAt(q, 1, 10, 41,
           "Знайдіть координати точки, симетричної точці N(" + QString::number(x) + ";"
               + QString::number(y) + ";" + QString::number(z) + ")");
    lineAt(q, 2, 10, 126, "відносно площини x0z");
    q.textOptions({triple(x, -y, z), triple(-x, y, z), triple(x, y, -z), triple(-z, y, -z),
                   triple(z, x, x)},
                  1);
    q.solution([=](Steps &s) {
        s << "При симетрії відносно площини xOz координати x і z не змінюються, а y змінює знак.";
        s << "Нова ордината: (−1) · " + paren(y) + " = " + val(-y) + ".";
        s << "Симетрична точка: N′(" + val(x) + "; " + val(-y) + "; " + val(z) + ").";
        s.answer();
    });
}
