// Question 11 of Test 1: the average mass of one fruit of a harvest.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN11, 1, 11, 14)
{
    // c1 melons of c2 kg, c3 watermelons of c4 kg, c5 pumpkins of c6 kg on
    // average; c7 the average mass of one fruit (a whole number).
    const auto c = q.row("Ida\\VZT_1.txt", 713, 7);
    const int e = q.draw(1, 2);
    const auto n = [&](int i) { return QString::number(c[i - 1]); };
    const long long c7 = c[6];

    q.grid(Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372, {1072, 63}});
    q.line(1, "Фермер виростив врожай: " + n(1) + " динь з середньою масою плоду " + n(2) +
                  " кг, " + n(3) + " кавунів ");
    q.line(2, "із середньою масою плоду " + n(4) + " кг і " + n(5) +
                  " гарбузів із середньою масою плоду " + n(6) + " кг.");
    q.line(3, " Яка середня маса одного плоду?");

    q.textOptions({QString::number(c7), QString::number(c7) + ",5", QString::number(c7 + 1),
                   QString::number(c7 - 1),
                   e == 1 ? QString::number(c7 + 2) : QString::number(c7 + 1) + ",5"},
                  1);

    q.solution([=](Steps &s) {
        const long long mass = c[0] * c[1] + c[2] * c[3] + c[4] * c[5];
        const long long count = c[0] + c[2] + c[4];
        s << "Середня маса плоду — загальна маса врожаю, поділена на кількість плодів.";
        s << "Маса: " + val(c[0]) + " · " + val(c[1]) + " + " + val(c[2]) + " · " + val(c[3]) +
                 " + " + val(c[4]) + " · " + val(c[5]) + " = " + val(mass) + " кг.";
        s << "Плодів: " + val(c[0]) + " + " + val(c[2]) + " + " + val(c[4]) + " = " + val(count) +
                 ".";
        s << "Середня маса " + val(mass) + " / " + val(count) + " = " + val(c7) + " кг.";
        s.answer();
    });
}
