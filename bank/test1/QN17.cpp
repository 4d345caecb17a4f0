// Question 17 of Test 1: the value of log_a b + log_a c - log_a d.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN17, 1, 17, 20)
{
    // c1 the base, c2 c3 c4 the arguments, c5 = log_c1(c2·c3/c4), whole, not 0.
    const auto c = q.row("Ida\\VZT_2.txt", 364, 5);
    const long long c1 = c[0], c2 = c[1], c3 = c[2], c4 = c[3], c5 = c[4];
    const auto n = [](long long v) { return QString::number(v); };

    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 402, {1072, 9}});
    q.line(1, "Знайдіть значення виразу log " + n(c2) + "+log " + n(c3) + "-log " + n(c4));
    // The three bases, under the three "log".
    const QString s2(c2 > 9 ? 2 : 1, ' ');
    const QString s3(c3 > 9 ? 2 : 1, ' ');
    q.label("Label15", 386, 45, smallFont()).text =
        n(c1) + s2 + QString(13, ' ') + n(c1) + s3 + QString(12, ' ') + n(c1);
    q.line(2, "");
    q.line(3, "");
    q.label("Label18").text.clear();
    q.label("Label19").text.clear();

    const QString o2 = c5 > 0 ? n(c5 + 1) : n(c5 - 1);
    const QString o3 = c5 > 0 ? "-" + n(c5 + 1) : n(-c5);
    const long long m = c2 * c3;
    QString o4, o5;
    if (m < c4) {
        o4 = "log " + n(m);
        o5 = "log " + n(c4 / c2);
    } else if (c4 < m) {
        o4 = "log " + n(c4);
        o5 = "log " + n(m / c4);
    }
    q.textOptions({n(c5), o2, o3, o4, o5}, 1);

    // The base c1 of options 4 and 5, small, below and right of their "log".
    LabelItem &slot4 = q.slotLabelOf(4);
    q.label("Label16", slot4.left + 36, slot4.top + 25, smallFont()).text = n(c1);
    q.addToForm(4, " base " + n(c1));
    LabelItem &slot5 = q.slotLabelOf(5);
    q.label("Label17", slot5.left + 36, slot5.top + 25, smallFont()).text = n(c1);
    q.addToForm(5, " base " + n(c1));

    q.solution([=](Steps &s) {
        const auto lg = [c1](const QString &arg) { return "log<sub>" + val(c1) + "</sub>" + arg; };
        s << "Сума логарифмів з однаковою основою — логарифм добутку, різниця — логарифм частки.";
        s << lg(" " + val(c2)) + " + " + lg(" " + val(c3)) + " − " + lg(" " + val(c4)) + " = " +
                 lg("(" + val(c2) + " · " + val(c3) + " / " + val(c4) + ")") + ".";
        s << "Під логарифмом " + val(c2) + " · " + val(c3) + " / " + val(c4) + " = " + frac(m, c4) +
                 " = " + lowest(m, c4) + " = " + power(val(c1), val(c5)) + ".";
        s << "Тому " + lg(" " + power(val(c1), val(c5))) + " = " + val(c5) + ".";
        s.answer();
    });
}
