// Independent checks of the Test 8 questions whose answer follows from the
// numbers in their texts: each reads the numbers as the learner sees them
// and recomputes the right option.
#include "verify.h"

using namespace vzt;

namespace {

// The numbers of a text, with a check that there are exactly `count`.
std::vector<long long> exactly(Verdict &v, const QString &label, std::size_t count)
{
    const auto n = numbersIn(v.text(label));
    v.expect(n.size() == count,
             QStringLiteral("%1 numbers in %2: %3").arg(count).arg(label).arg(v.text(label)));
    return n.size() == count ? n : std::vector<long long>();
}

} // namespace

VZT_VERIFY(Y5)
{
    // 12 % a year on 10000: the deposit grows by 1200 in one year.
    const auto n = exactly(v, "Label1", 2);
    if (n.empty())
        return;
    v.onlyKeyed(QString::number(n[0] * (100 + n[1]) / 100));
}

VZT_VERIFY(Y12)
{
    // F = 9C/5 + 32 for each of the three temperatures after "С=".
    const QString line = v.text("Label8");
    const auto c = numbersIn(line.mid(line.indexOf(QStringLiteral("С="))));
    v.expect(c.size() == 3, "three temperatures in line 3");
    if (c.size() != 3)
        return;
    QStringList f;
    for (long long celsius : c) {
        v.expect(celsius % 5 == 0, "a temperature in whole Fahrenheit degrees");
        f << QString::number(celsius * 9 / 5 + 32);
    }
    v.onlyKeyed(f.join(';'));
}

VZT_VERIFY(Y15)
{
    // A heat of k runners out of n, order of no account: C(n, k).
    const auto n = numbersIn(v.text("Label1"));
    const auto k = numbersIn(v.text("Label14"));
    v.expect(n.size() == 2 && k.size() == 1, "200 m, 24 runners; 6 in a heat");
    if (n.size() != 2 || k.size() != 1)
        return;
    long long ways = 1;
    for (long long i = 1; i <= k[0]; ++i)
        ways = ways * (n[1] - k[0] + i) / i;
    v.onlyKeyed(QString::number(ways));
}

VZT_VERIFY(Y16A)
{
    // (4/3)πR³ = N · (1/3)πr²h.
    const auto Rh = exactly(v, "Label1", 2);
    const auto r = exactly(v, "Label14", 1);
    if (Rh.empty() || r.empty())
        return;
    const long long R = Rh[0], h = Rh[1];
    const long long ball = 4 * R * R * R, cone = r[0] * r[0] * h;
    v.expect(ball % cone == 0, "a whole number of cones");
    v.onlyKeyed(QString::number(ball / cone));
}

VZT_VERIFY(Y18)
{
    // Four months at J, then May to August: the average of eight months.
    const auto first = exactly(v, "Label1", 2);
    const auto second = exactly(v, "Label14", 3);
    if (first.empty() || second.empty())
        return;
    const long long total = 4 * first[0] + first[1] + second[0] + second[1] + second[2];
    v.expect(total % 8 == 0, "a whole average");
    v.onlyKeyed(QString::number(total / 8));
}
