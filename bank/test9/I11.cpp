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
}
