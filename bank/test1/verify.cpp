// Independent checks of the Test 1 questions whose answer can be recomputed
// from what the learner sees (the pictured questions are checked with their
// picture descriptions).
#include "verify.h"

#include <QRegularExpression>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>

using namespace vzt;

namespace {

// A number written with a decimal comma ("30,3", "-2", "7,5 см"), or none.
std::optional<double> decimal(QString text)
{
    text.remove(" см");
    text.replace(',', '.');
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// Exact b^k == num/den for whole b >= 2 and whole k (small values only).
bool powerEquals(long long b, long long k, long long num, long long den)
{
    __int128 p = 1;
    for (long long i = 0; i < std::llabs(k); ++i) {
        p *= b;
        if (p > (__int128(1) << 100))
            return false;
    }
    return k >= 0 ? __int128(num) == p * den : __int128(num) * p == __int128(den);
}

} // namespace

VZT_VERIFY(QN1)
{
    static const QRegularExpression natural("^[1-9][0-9]*$");
    v.onlyKeyedWhere([](const QString &f) { return natural.match(f).hasMatch(); },
                         "a natural number");
}

VZT_VERIFY(QN2)
{
    // The median to the hypotenuse equals half of it: angle A = angle ACN = x.
    const auto n = numbersIn(v.text("Label14"));
    v.expect(n.size() == 1, "one angle in line 2");
    if (n.size() == 1)
        v.onlyKeyed(QString::number(90 - n[0]) + "°");
}

VZT_VERIFY(QN3)
{
    const auto area = numbersIn(v.text("Label1"));  // m²
    const auto flower = numbersIn(v.text("Label14")); // cm²
    v.expect(area.size() == 1 && flower.size() == 1, "one number in each of lines 1 and 2");
    if (area.size() == 1 && flower.size() == 1)
        v.onlyKeyed(QString::number(area[0] * 10000 / flower[0]));
}

VZT_VERIFY(QN4)
{
    const auto n = numbersIn(v.text("Label1"));
    v.expect(n.size() == 1, "one percentage in line 1");
    if (n.size() != 1)
        return;
    const long long num = 100 - n[0], den = 100, g = std::gcd(num, den);
    const QString answer = QString("%1/%2").arg(num / g).arg(den / g);
    v.onlyKeyed(answer);
    // No other option has the same value in another form.
    v.onlyKeyedWhere([&](const QString &f) {
            const auto p = numbersIn(f);
            return p.size() == 2 && p[0] * den == p[1] * num;
        },
        "the probability " + answer);
}

VZT_VERIFY(QN5)
{
    // "КМ=a мм, МN=b см, NР=0,c м": numbers a, b, 0, c.
    const auto n = numbersIn(v.text("Label1"));
    v.expect(n.size() == 4 && n[2] == 0, "KM, MN and NP in line 1");
    if (n.size() != 4)
        return;
    const double cm = n[0] / 10.0 + n[1] + n[3] * std::pow(10.0, 2 - QString::number(n[3]).size());
    v.onlyKeyedWhere([&](const QString &f) {
            const auto x = decimal(f);
            return x && std::abs(*x - cm) < 1e-9;
        },
        QString::number(cm) + " cm");
}

VZT_VERIFY(QN6)
{
    // sqrt(base^(k·x)) = 1/den  gives  x = -2·ln(den) / (k·ln(base)).
    const auto base = numbersIn(v.text("Label14"));
    const auto k = numbersIn(v.text("Label15"));
    const auto den = numbersIn(v.text("Label8"));
    v.expect(base.size() == 1 && k.size() == 1 && den.size() == 1 && v.text("Label1") == "1",
             "the equation's base, exponent and fraction");
    if (base.size() != 1 || k.size() != 1 || den.size() != 1)
        return;
    const double x = -2.0 * std::log(double(den[0])) / (k[0] * std::log(double(base[0])));
    static const QRegularExpression interval(R"(^\(([-0-9,]+);([-0-9,]+)\]$)");
    v.onlyKeyedWhere([&](const QString &f) {
            const auto m = interval.match(f);
            if (!m.hasMatch())
                return false;
            const auto lo = decimal(m.captured(1)), hi = decimal(m.captured(2));
            return lo && hi && *lo < x - 1e-9 && x <= *hi + 1e-9;
        },
        QString("the interval of %1").arg(x));
}

VZT_VERIFY(QN8)
{
    // Which of the shown statements are true.
    const std::map<QString, bool> truth{
        {"I Навколо ромба можна описати коло.", false},
        {"I Навколо паралелограма можна описати коло.", false},
        {"II Навколо прямокутника можна описати коло.", true},
        {"II Навколо трикутника можна описати коло.", true},
    };
    const auto one = truth.find(v.text("Label14"));
    const auto two = truth.find(v.text("Label8"));
    v.expect(one != truth.end() && two != truth.end(), "statements I and II are known");
    v.expect(v.text("Label15") == "III Радіус описаного навколо квадрата кола дорівнює половині" &&
                 v.text("Label16") == "діагоналі цього квадрата.",
             "statement III (true) is shown");
    if (one == truth.end() || two == truth.end())
        return;
    // The set of true statements an option names: "I", "II", "III" as words.
    const auto named = [](const QString &f) {
        QString s = f;
        s.replace(QLatin1Char(','), QLatin1Char(' '));
        QSet<QString> set;
        for (const QString &w : s.split(' ', Qt::SkipEmptyParts))
            if (w == "I" || w == "II" || w == "III")
                set.insert(w);
        return set;
    };
    QSet<QString> trueOnes{"III"};
    if (one->second)
        trueOnes.insert("I");
    if (two->second)
        trueOnes.insert("II");
    v.onlyKeyedWhere([&](const QString &f) { return named(f) == trueOnes; },
                         "the set of true statements");
}

VZT_VERIFY(QN10)
{
    // Each option: "log    <argument><relation>0 base <base>".
    static const QRegularExpression re(R"(^log {4}([0-9,]+)([<>=])0 base ([0-9,]+)$)");
    const auto wrongSign = [&](const QString &f) {
        const auto m = re.match(f);
        if (!m.hasMatch())
            return false;
        const auto arg = decimal(m.captured(1)), base = decimal(m.captured(3));
        if (!arg || !base || *base <= 0 || *base == 1 || *arg <= 0)
            return false;
        const double value = std::log(*arg) / std::log(*base);
        const QString rel = m.captured(2);
        const bool holds = rel == "<"   ? value < -1e-12
                           : rel == ">" ? value > 1e-12
                                        : std::abs(value) < 1e-12;
        return !holds;
    };
    for (int k = 1; k <= 5; ++k)
        v.expect(re.match(v.form(k)).hasMatch(), "option reads as a logarithm: " + v.form(k));
    v.onlyKeyedWhere(wrongSign, "written with the wrong sign");
}

VZT_VERIFY(QN11)
{
    const auto a = numbersIn(v.text("Label1"));  // c1, c2, c3
    const auto b = numbersIn(v.text("Label14")); // c4, c5, c6
    v.expect(a.size() == 3 && b.size() == 3, "three numbers in each of lines 1 and 2");
    if (a.size() != 3 || b.size() != 3)
        return;
    const long long count = a[0] + a[2] + b[1];
    const long long mass = a[0] * a[1] + a[2] * b[0] + b[1] * b[2];
    v.expect(count > 0 && mass % count == 0, "the average mass is whole");
    if (count <= 0)
        return;
    const double avg = double(mass) / count;
    v.onlyKeyed(QString::number(mass / count));
    v.onlyKeyedWhere([&](const QString &f) {
            const auto x = decimal(f);
            return x && std::abs(*x - avg) < 1e-9;
        },
        "the average mass");
}

VZT_VERIFY(QN12)
{
    // The cube ABCDA’B’C’D’ with unit edges; a primed vertex lies above its base vertex.
    const auto point = [](const QString &name) -> std::array<int, 3> {
        static const std::map<QChar, std::array<int, 2>> base{
            {'A', {0, 0}}, {'B', {1, 0}}, {'C', {1, 1}}, {'D', {0, 1}}};
        const auto xy = base.at(name[0]);
        return {xy[0], xy[1], name.size() > 1 ? 1 : 0};
    };
    static const QRegularExpression vec("([ABCD]’?)([ABCD]’?)");
    const auto vectorOf = [&](const QString &text) -> std::optional<std::array<int, 3>> {
        const auto m = vec.match(text);
        if (!m.hasMatch() || m.capturedLength() != text.size())
            return std::nullopt;
        const auto p = point(m.captured(1)), q = point(m.captured(2));
        return std::array<int, 3>{q[0] - p[0], q[1] - p[1], q[2] - p[2]};
    };
    const QString line = v.text("Label14");
    v.expect(line.startsWith("сумою векторів "), "line 2 names the vectors");
    std::array<int, 3> sum{0, 0, 0};
    int terms = 0;
    for (auto it = vec.globalMatch(line); it.hasNext(); ++terms) {
        const auto w = *vectorOf(it.next().captured());
        for (int i = 0; i < 3; ++i)
            sum[i] += w[i];
    }
    v.expect(terms == 3, "three vectors are summed");
    v.onlyKeyedWhere([&](const QString &f) { return vectorOf(f) == sum; },
                         "the vector sum");
}

VZT_VERIFY(QN15)
{
    // With 7 digits of which the first 3 name the exchange, 10^(7-3) numbers remain.
    const auto n = numbersIn(v.text("Label1"));
    v.expect(n.size() == 2 && n[0] > n[1], "digits and exchange digits in line 1");
    if (n.size() != 2)
        return;
    long long answer = 1;
    for (long long i = 0; i < n[0] - n[1]; ++i)
        answer *= 10;
    const auto value = [](const QString &f) -> long long {
        if (f.contains('^')) {
            const auto parts = f.split('^');
            return std::llround(std::pow(parts[0].toDouble(), parts[1].toDouble()));
        }
        if (f.endsWith('!')) {
            long long p = 1;
            for (int i = 2; i <= f.chopped(1).toInt(); ++i)
                p *= i;
            return p;
        }
        long long p = 1;
        for (const QString &factor : f.split(QChar(7)))
            p *= factor.toLongLong();
        return p;
    };
    v.onlyKeyedWhere([&](const QString &f) { return value(f) == answer; },
                         QString("%1 numbers").arg(answer));
}

VZT_VERIFY(QN17)
{
    const auto args = numbersIn(v.text("Label1")); // c2, c3, c4
    const auto bases = numbersIn(v.text("Label15"));
    v.expect(args.size() == 3 && bases.size() == 3 && bases[0] == bases[1] &&
                 bases[1] == bases[2] && bases[0] >= 2,
             "three arguments and one base");
    if (args.size() != 3 || bases.size() != 3 || bases[0] < 2)
        return;
    const long long b = bases[0], num = args[0] * args[1], den = args[2];
    std::optional<long long> value;
    for (long long k = -40; k <= 40 && !value; ++k)
        if (powerEquals(b, k, num, den))
            value = k;
    v.expect(value.has_value() && *value != 0, "the expression has a whole non-zero value");
    if (!value)
        return;
    v.onlyKeyed(QString::number(*value));
    // Options "log N base b" have the value k exactly when b^k = N.
    static const QRegularExpression logForm(R"(^log (\d+) base (\d+)$)");
    v.onlyKeyedWhere([&](const QString &f) {
            const auto m = logForm.match(f);
            if (m.hasMatch())
                return powerEquals(m.captured(2).toLongLong(), *value, m.captured(1).toLongLong(), 1);
            bool ok = false;
            return f.toLongLong(&ok) == *value && ok;
        },
        QString("equal to %1").arg(*value));
}
