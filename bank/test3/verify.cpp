// Independent checks of the Test 3 questions that compute their answer: each
// reads the numbers as the learner sees them and recomputes the right option.
#include "verify.h"

#include <QRegularExpression>
#include <cmath>

using namespace vzt;

namespace {

// The value of an option form: a decimal with a comma, or "√n".
double value(const QString &form)
{
    if (form.startsWith(QChar(0x221A)))
        return std::sqrt(form.mid(1).toDouble());
    QString f = form;
    f.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = f.toDouble(&ok);
    return ok ? d : std::nan("");
}

// Every option but the keyed one has a value other than `answer`.
void othersDiffer(const Page &page, Verdict &v, double answer)
{
    for (int option = 1; option <= 5; ++option)
        if (option != page.deal[page.key - 1])
            v.expect(std::fabs(value(v.form(option)) - answer) > 1e-9,
                     QStringLiteral("option %1 (%2) is right too").arg(option).arg(v.form(option)));
}

} // namespace

VZT_VERIFY(L1)
{
    // 60 per kilogram of lemons (at least one), 3 kg of oranges at a whole
    // price (at least 1): the sum is 60x + 3p, so a multiple of 3 from 63 on.
    const auto n = signedNumbersIn(v.text("Label1"));
    v.expect(n.size() == 2, "two numbers in line 1");
    if (n.size() != 2)
        return;
    const long long perKg = n[0], kg = n[1];
    auto possible = [&](long long sum) {
        for (long long x = 1; x * perKg < sum; ++x)
            if ((sum - x * perKg) % kg == 0)
                return true;
        return false;
    };
    for (int option = 1; option <= 5; ++option) {
        const bool keyed = option == page.deal[page.key - 1];
        v.expect(possible(v.form(option).toLongLong()) == keyed,
                 QStringLiteral("option %1 (%2) %3").arg(option).arg(v.form(option))
                     .arg(keyed ? "is keyed but impossible" : "is possible but not keyed"));
    }
}

VZT_VERIFY(L2)
{
    const auto n = signedNumbersIn(v.text("Label1"));
    v.expect(n.size() == 3 && n[2] == 60, "AB, AC and the angle 60 in line 1");
    if (n.size() != 3)
        return;
    const long long AB = n[0], AC = n[1];
    const long long BC2 = AB * AB + AC * AC - AB * AC; // cos 60° = 1/2
    v.expect(v.keyedForm() == QChar(0x221A) + QString::number(BC2),
             "keyed option is the root of " + QString::number(BC2));
    othersDiffer(page, v, std::sqrt(double(BC2)));
}

VZT_VERIFY(L6)
{
    // a3 + a7 + a14 = 3a1 + 21d = 3a8.
    const auto n = signedNumbersIn(v.text("Label14"));
    v.expect(!n.empty() && n.back() % 3 == 0, "the sum is a multiple of 3");
    if (n.empty())
        return;
    const long long a8 = n.back() / 3;
    v.expect(v.keyedForm() == QString::number(a8), "keyed option is " + QString::number(a8));
    othersDiffer(page, v, double(a8));
}

VZT_VERIFY(L10)
{
    const auto n = signedNumbersIn(v.text("Label1"));
    v.expect(n.size() == 2, "two sides in line 1");
    if (n.size() != 2)
        return;
    const long long d2 = n[0] * n[0] + n[1] * n[1];
    const auto d = static_cast<long long>(std::llround(std::sqrt(double(d2))));
    v.expect(d * d == d2 && d % 2 == 0, "the diagonal is a whole even number");
    v.expect(value(v.keyedForm()) == std::sqrt(double(d2)) / 2, "keyed option is half the diagonal");
    othersDiffer(page, v, std::sqrt(double(d2)) / 2);
}

VZT_VERIFY(L11)
{
    // Line 1 ends with B, line 2 gives C then A; the vector is 2·AB − AC.
    const auto b = signedNumbersIn(v.text("Label1"));
    const auto ca = signedNumbersIn(v.text("Label14"));
    v.expect(b.size() == 3 && ca.size() == 6, "three points of three coordinates");
    if (b.size() != 3 || ca.size() != 6)
        return;
    QStringList c;
    for (int i = 0; i < 3; ++i)
        c << QString::number(2 * (b[i] - ca[3 + i]) - (ca[i] - ca[3 + i]));
    const QString answer = "(" + c.join(';') + ")";
    v.expect(v.keyedForm() == answer, "keyed option is " + answer);
    for (int option = 1; option <= 5; ++option)
        if (option != page.deal[page.key - 1])
            v.expect(v.form(option) != answer, "another option equals " + answer);
}
