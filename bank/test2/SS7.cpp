#include "common.h"
using namespace vzt;
using namespace vzt::test2;

namespace {
// The noun after a count of parts.
QString parts(long long n)
{
    if (n < 21)
        return " деталей";
    const long long last = n - 10 * (n / 10);
    if (last == 1)
        return " деталь";
    if (last >= 2 && last <= 4)
        return " деталi";
    return " деталей";
}

// The same noun in the worked solution, after any count.
QString detailsNoun(long long n)
{
    const long long last2 = n % 100, last = n % 10;
    if (last2 >= 11 && last2 <= 14)
        return " деталей";
    if (last == 1)
        return " деталь";
    if (last >= 2 && last <= 4)
        return " деталі";
    return " деталей";
}
} // namespace

// Row: h hours, p1 and p2 parts made by the two turners in h hours, and
// v = (p1 + p2) / h, their joint output per hour.
VZT_QUESTION(SS7, 2, 7, 32)
{
    q.grid(rows(223, kNarrowLefts, 372));
    const auto r = q.row("Ida\\VZT_3.txt", 556, 4);
    const long long h = r[0], p1 = r[1], p2 = r[2], v = r[3];

    q.lines({"Перший токар за " + num(h) + " год виготовляє " + num(p1) + parts(p1) +
                  ", а другий - " + num(p2) + parts(p2) + ". Знайдіть середню",
              "продуктивність спільної праці цих токарів за 1 год.", "", "", ""});

    const long long w = v % 2 == 0 ? v / 2 : v % 3 == 0 ? v / 3 : v / 2 + v / 4;
    q.textOptions({num(v), num(2 * v), num(3 * v), num(4 * v), num(w)}, 1);

    q.solution([=](Steps &s) {
        s << "За " + val(h) + " год обидва токарі разом виготовляють " + val(p1) + " + " + val(p2) +
                 " = " + val(p1 + p2) + detailsNoun(p1 + p2) + ".";
        s << "За 1 год разом: " + val(p1 + p2) + " / " + val(h) + " = " + val(v) + detailsNoun(v) +
                 ".";
        s.answer();
    });
}
