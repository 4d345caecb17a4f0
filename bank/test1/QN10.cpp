// Question 10 of Test 1: the logarithm relation written with the wrong sign.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN10, 1, 10, 13)
{
    const int p1 = q.draw(2, 9), q1 = q.draw(2, 9);
    const int p2 = q.draw(2, 9), q2 = q.draw(2, 9);
    const int p3 = q.draw(2, 9), q3 = q.draw(2, 9);
    const int p4 = q.draw(2, 9), q4 = q.draw(2, 9);
    const int p5 = q.draw(2, 9);

    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 402, {1072, 9}});
    q.line(1, "Укажіть рівність або нерівність у якій поставлено неправильний знак.");
    q.line(2, "");
    q.line(3, "");

    const auto n = [](int v) { return QString::number(v); };
    const QString log = "log    ";
    // Option 1 is the false one: base and argument both lie between 0 and 1.
    q.textOptions({log + "0," + n(q1) + "<0", log + n(q2) + ">0", log + n(q3) + "<0",
                   log + "0," + n(q4) + "<0", log + "1" + "=0"},
                  1);
    // The base of each option, small, below and right of "log".
    test1::marksBySlot(q, {"0," + n(p1), n(p2), "0," + n(p3), n(p4), "0," + n(p5)},
                       test1::kSmallMarkLefts, 274, smallFont(), " base ");

    q.solution([=](Steps &s) {
        const auto lg = [](const QString &base, const QString &arg) {
            return "log<sub>" + base + "</sub> " + arg;
        };
        const auto d = [](int v) { return "0," + QString::number(v); };
        s << "Логарифм додатний, коли основа й аргумент по один бік від 1, і від’ємний, "
             "коли по різні.";
        s << "У " + lg(d(p1), d(q1)) + " основа й аргумент менші від 1, тому він додатний: "
                 "знак «&lt;» неправильний.";
        s << "Решта правильні: " + lg(val(p2), val(q2)) + " &gt; 0, " + lg(d(p3), val(q3)) +
                 " &lt; 0, " + lg(val(p4), d(q4)) + " &lt; 0, " + lg(d(p5), "1") + " = 0.";
        s.answer(lg(d(p1), d(q1)) + " &lt; 0");
    });
}
