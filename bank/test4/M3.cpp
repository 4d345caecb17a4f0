// Question 3: a linear combination of two vectors.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

namespace {
QString coordinates(long long x, long long y, long long z)
{
    return "(" + QString::number(x) + ";" + QString::number(y) + ";" + QString::number(z) + ")";
}
QString blanks(int n) { return QString(n, QLatin1Char(' ')); }
} // namespace

VZT_QUESTION(M3, 4, 3, 70)
{
    const auto r = q.row("Ida\\VZT_7.txt", 28140, 9);
    const long long r1 = r[6], r2 = r[7], r3 = r[8];

    q.grid(Grid{});
    // The combination and the names of the two vectors stand in pictures
    // over the runs of blanks.
    lineAt(q, 1, 41,
           "Знайдіть вектор" + blanks(19) + ", якщо" + blanks(4) + coordinates(r[0], r[1], r[2])
               + "," + blanks(7) + coordinates(r[3], r[4], r[5]));
    q.picture("Image1", "SpS\\Q43.bmp", 213, 33, 138, 44, true);
    q.picture("Image7", "SpS\\Q43b.bmp", 434, 33, 19, 40, true);
    q.picture("Image2", "SpS\\Q43c.bmp", 583, 39, 20, 32, false);

    q.textOptions({coordinates(r1, r2, r3), coordinates(r2, r1, r3), coordinates(r3, r1, r2),
                   coordinates(r3, r2, r1), coordinates(r1, r3, r2)},
                  1);

    const long long a[3]{r[0], r[1], r[2]}, b[3]{r[3], r[4], r[5]};
    q.solution([=](Steps &s) {
        s << "Кожну координату вектора a множимо на 2, вектора b — на 3 і віднімаємо.";
        static const char *names[3]{"x", "y", "z"};
        for (int i = 0; i < 3; ++i)
            s << QString(names[i]) + " = 2·" + paren(a[i]) + " − 3·" + paren(b[i]) + " = "
                     + val(2 * a[i] - 3 * b[i]) + ".";
        s.answer();
    });
}
