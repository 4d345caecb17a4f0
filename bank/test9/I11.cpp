// Question 11: the scalar product of two vectors.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

namespace {
QString coordinates(const std::vector<long long> &r, int from)
{
    return QString::number(r[from]) + ";" + QString::number(r[from + 1]) + ";"
           + QString::number(r[from + 2]);
}
} // namespace

VZT_QUESTION(I11, 9, 11, 184)
{
    const auto row = q.row("Ida\\VZT_13.txt", 175464, 7);

    q.grid(Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372});
    q.line(1, "Знайдіть скалярний добуток векторів а(" + coordinates(row, 0) + ") i b("
                  + coordinates(row, 3) + ")");
    q.textOptions(around(row[6]), 1);

    q.solution([=](Steps &s) {
        s << "Скалярний добуток дорівнює сумі добутків відповідних координат: "
             "x<sub>1</sub>x<sub>2</sub> + y<sub>1</sub>y<sub>2</sub> + z<sub>1</sub>z<sub>2</sub>.";
        s << "Маємо " + paren(row[0]) + " · " + paren(row[3]) + " + " + paren(row[1]) + " · "
                 + paren(row[4]) + " + " + paren(row[2]) + " · " + paren(row[5]) + " = "
                 + val(row[0] * row[3]) + signedTerm(row[1] * row[4]) + signedTerm(row[2] * row[5])
                 + " = " + val(row[6]) + ".";
        s.answer();
    });
}
