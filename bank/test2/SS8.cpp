#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// Row: the ratio a:b:c:d of the four angles (a the smallest, d the largest)
// and u = 360 / (a + b + c + d), the degrees of one part.
VZT_QUESTION(SS8, 2, 8, 33)
{
    q.grid(rows(223, kNarrowLefts, 372));
    const auto r = q.row("Ida\\VZT_4.txt", 818, 5);
    const long long a = r[0], b = r[1], c = r[2], d = r[3], u = r[4];

    q.lines({"Градусні міри кутів чотирикутника відносяться як " + num(a) + ":" + num(b) + ":" +
                  num(c) + ":" + num(d) + ". Знайдіть",
              "різницю найбільшого та найменшого кутів.", "", "", ""});

    const QString deg = "°";
    q.textOptions({num((d - a) * u) + deg, num(u) + deg, num(d - a) + deg,
                   num(a != u ? a : a + 1) + deg, num(a * u) + deg},
                  1);

    q.solution([=](Steps &s) {
        s << "Сума кутів чотирикутника 360°; кількість рівних частин " + val(a) + " + " + val(b) +
                 " + " + val(c) + " + " + val(d) + " = " + val(a + b + c + d) + ".";
        s << "Одна частина: 360° / " + val(a + b + c + d) + " = " + val(u) + "°.";
        s << "Найбільший кут " + val(d) + " · " + val(u) + "° = " + val(d * u) + "°, найменший " +
                 val(a) + " · " + val(u) + "° = " + val(a * u) + "°.";
        s << "Різниця: " + val(d * u) + "° − " + val(a * u) + "° = " + val((d - a) * u) + "°.";
        s.answer();
    });
}
