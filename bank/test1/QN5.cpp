// Question 5 of Test 1: the length of a polyline given in mm, cm and m, in cm.
#include "common.h"

using namespace vzt;

namespace {

// The decimal digits of `number` with "," after the first `whole` digits,
// keeping at most `fraction` digits after it (a negative count keeps all),
// followed by " см".
QString withComma(int number, int whole, int fraction)
{
    const QString digits = QString::number(number);
    QString tail = digits.mid(whole);
    if (fraction >= 0)
        tail = tail.left(fraction);
    return digits.left(whole) + "," + tail + " см";
}

} // namespace

VZT_QUESTION(QN5, 1, 5, 8)
{
    const int a = q.draw(2, 9); // KM, mm
    const int b = q.draw(2, 9); // MN, cm
    int c = q.draw(20, 40);     // NP = 0,c m
    if (c % 10 == 0)
        c = c + 1;
    const int v = 10 * b + a + 10 * c; // the length in mm

    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 361, {1072, 9}});
    q.line(1, "Знайдіть довжину ламаної КМNP, якщо КМ=" + QString::number(a) + " мм, МN=" +
                  QString::number(b) + " см, NР=" + "0," + QString::number(c) + " м");
    q.line(2, "");
    q.line(3, "");

    q.textOptions({withComma(v, 2, -1), withComma(v, 1, 2), withComma(10 * c + a + b, 1, 2),
                   withComma(a + c + 10 * b, 1, 2), withComma(a + b + c, 1, 1)},
                  1);

    q.solution([=](Steps &s) {
        s << "Переведемо довжини в сантиметри: 1 см = 10 мм, 1 м = 100 см.";
        s << "KM = " + val(a) + " мм = " + dec(a / 10.0, 1) + " см, NP = 0," + val(c) +
                 " м = " + val(c) + " см.";
        s << "KM + MN + NP = " + dec(a / 10.0, 1) + " + " + val(b) + " + " + val(c) + " = " +
                 dec(v / 10.0, 1) + " см.";
        s.answer();
    });
}
