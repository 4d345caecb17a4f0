// Independent checks of the Test 10 questions that compute their answer: each
// reads the numbers as the learner sees them and recomputes the right option.
// (The pictured questions are checked with their picture descriptions.)
#include "verify.h"

#include <QRegularExpression>
#include <cstdlib>
#include <map>
#include <numeric>

using namespace vzt;

namespace {

// A number with a decimal comma in tenths ("-7,5" gives -75), or 0 with ok false.
long long tenths(const QString &text, bool *ok)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const double d = t.toDouble(ok);
    return std::llround(d * 10);
}

} // namespace

VZT_VERIFY(H1)
{
    // p : s = p·k : x, so Sashko collected x = p·k · s / p.
    const auto ratio = captures(v.text("Label14"), QStringLiteral("^(\\d+):(\\d+)\\.  .* (\\d+) кг"));
    v.expect(ratio.size() == 3, "the ratio and Vitya's mass in line 2");
    if (ratio.size() != 3)
        return;
    const long long p = ratio[0], s = ratio[1], vitya = ratio[2];
    v.expect(std::gcd(p, s) == 1, "the ratio is in lowest terms");
    v.expect(vitya * s % p == 0, "Sashko's mass is whole");
    v.onlyKeyed(QString::number(vitya * s / p));
}

VZT_VERIFY(H2)
{
    // The figure marks OB` = B`B``; the parallels cut OA in the same ratio,
    // so A`A`` = OA`.
    const auto n = captures(v.text("Label8"), QStringLiteral("ОА`=(\\d+)$"));
    v.expect(n.size() == 1, "OA` at the end of line 3");
    if (n.size() == 1)
        v.onlyKeyed(QString::number(n[0]));
}

VZT_VERIFY(H3)
{
    // Five equal whole sides: the perimeter is a multiple of 5.
    v.onlyKeyedWhere([](const QString &f) { return f.toLongLong() > 0 && f.toLongLong() % 5 == 0; },
                     "a perimeter of five whole sides");
}

VZT_VERIFY(H7)
{
    const QString bar(QChar(5));
    const auto n = captures(v.text("Label1"),
                            "^Знайдіть значення виразу " + bar + "x-(\\d+)" + bar + "-" + bar
                                + "(\\d+)-(\\d+)x" + bar + " при х=-(\\d+)$");
    v.expect(n.size() == 4, "|x-r4|-|r2-r1x| at x=-r3 in line 1");
    if (n.size() != 4)
        return;
    const long long r4 = n[0], r2 = n[1], r1 = n[2], x = -n[3];
    v.onlyKeyed(QString::number(std::llabs(x - r4) - std::llabs(r2 - r1 * x)));
}

VZT_VERIFY(H10)
{
    // a_n = a1 + (n - 1)d, solved for the value in line 2.
    static const QRegularExpression terms(
        QStringLiteral("прогресії (-?[0-9,]+);(-?[0-9,]+);(-?[0-9,]+);\\.\\.\\., який$"));
    const auto m = terms.match(v.text("Label1"));
    const auto value = captures(v.text("Label14"), QStringLiteral("^дорівнює (-\\d+)$"));
    v.expect(m.hasMatch() && value.size() == 1, "three terms in line 1, the value in line 2");
    if (!m.hasMatch() || value.size() != 1)
        return;
    bool ok1 = false, ok2 = false, ok3 = false;
    const long long a1 = tenths(m.captured(1), &ok1), a2 = tenths(m.captured(2), &ok2),
                    a3 = tenths(m.captured(3), &ok3);
    const long long d = a2 - a1, an = value[0] * 10;
    v.expect(ok1 && ok2 && ok3 && d != 0 && a3 - a2 == d, "an arithmetic progression");
    if (d == 0)
        return;
    v.expect((an - a1) % d == 0 && (an - a1) / d >= 0, "the value is a term");
    v.onlyKeyed(QString::number((an - a1) / d + 1));
}

VZT_VERIFY(H15)
{
    // An n-gonal pyramid has n lateral faces and a base.
    static const std::map<QString, int> sides{
        {"восьмикутної", 8}, {"дев`ятикутної", 9}, {"десятикутної", 10}};
    const QString name = v.text("Label1").section(' ', -2, -2);
    const auto it = sides.find(name);
    v.expect(it != sides.end(), "a pyramid named in line 1: " + name);
    if (it != sides.end())
        v.onlyKeyed(QString::number(it->second + 1));
}
