// Question 3 of Test 1: how many flowers grow in a flower bed (m² against cm²).
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN3, 1, 3, 6)
{
    const int A = q.draw(2, 9); // area of the bed, m²
    const int t = q.draw(1, 2);
    const QString s = t == 1 ? "50" : "100"; // area of one flower, cm²
    const int n = int(A * 10000.0 / t / 50); // 200·A or 100·A

    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 385, {1072, 9}});
    q.line(1, "Квітник має форму прямокутника, площа якого дорівнює " + QString::number(A) +
                  " м кв. Квіти в цьому");
    q.line(2, "квітнику посаджені рівномірно. Кожна квітка займає площу " + s +
                  " см кв. Визначте");
    q.line(3, "кількість квітів у квітнику.");

    q.textOptions({QString::number(n), QString::number(n / 10), QString::number(10 * n),
                   QString::number(100 * n), QString::number(n / 2)},
                  1);

    q.solution([=](Steps &s) {
        const int flower = 50 * t; // cm² of one flower
        s << "1 м = 100 см, тому 1 м² = 100 · 100 = 10000 см².";
        s << "Площа квітника " + val(A) + " м², або " + val(A) + " · 10000 = " + val(A * 10000) +
                 " см².";
        s << "Кількість квітів " + val(A * 10000) + " / " + val(flower) + " = " + val(n) + ".";
        s.answer();
    });
}
