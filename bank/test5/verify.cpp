// Test 5: the questions with text options whose answer follows from the
// numbers in their text. Each verifier reads the text as the learner sees it,
// works the answer out on its own and checks that the keyed option, and only
// it, shows it.
#include "verify.h"

#include <cmath>

using namespace vzt;

namespace {

// The numbers that `pattern` captures in the label's text; empty if it does not match.
std::vector<long long> numbers(Verdict &v, const QString &label, const QString &pattern)
{
    const auto out = captures(v.text(label), pattern);
    v.expect(!out.empty(), label + " reads as expected: " + v.text(label));
    return out;
}

// The text holds `word` (a number written as a word).
bool says(const Verdict &v, const QString &label, const QString &word)
{
    return v.text(label).contains(word);
}

} // namespace

// The client pays the transfer and p,q % of it on top.
VZT_VERIFY(P5)
{
    const auto rate = numbers(v, "Label1", "заплатити банку (\\d+),(\\d)% від суми");
    const auto sum = numbers(v, "Label8", "^становить (\\d+)\\?$");
    if (rate.size() != 2 || sum.size() != 1)
        return;
    const long long tenths = rate[0] * 10 + rate[1]; // the rate in tenths of a per cent
    v.expect(sum[0] * tenths % 1000 == 0, "the fee is a whole number");
    v.onlyKeyed(QString::number(sum[0] + sum[0] * tenths / 1000));
}

// Three prize places of n runners, in order: n(n − 1)(n − 2).
VZT_VERIFY(P6)
{
    const auto n = numbers(v, "Label1", "участь (\\d+) жінок, три$");
    if (n.size() != 1)
        return;
    v.onlyKeyed(QString::number(n[0] * (n[0] - 1) * (n[0] - 2)));
}

// f passes through A and the shifted graph y = f(x − a) through B with the
// same ordinate: x_B − a = x_A (f takes that value once, as its graph shows).
VZT_VERIFY(P11)
{
    const auto a = numbers(v, "Label1", "точку А\\((-?\\d+);(-?\\d+)\\)");
    const auto b = numbers(v, "Label8", "^точку В\\((-?\\d+);(-?\\d+)\\)\\?$");
    if (a.size() != 2 || b.size() != 2)
        return;
    v.expect(a[1] == b[1], "A and B have the same ordinate");
    v.onlyKeyed(QString::number(b[0] - a[0]));
}

// A cone of radius R and height H melted into balls of radius r:
// (πR²H/3) / (4πr³/3) = R²H / (4r³).
VZT_VERIFY(P16)
{
    const auto cone = numbers(v, "Label1", "дорівнює (\\d+) см, а висота - (\\d+) см");
    const auto ball = numbers(v, "Label14", "з яких - (\\d+) см");
    if (cone.size() != 2 || ball.size() != 1)
        return;
    const long long num = cone[0] * cone[0] * cone[1], den = 4 * ball[0] * ball[0] * ball[0];
    v.expect(num % den == 0, "a whole number of balls");
    v.onlyKeyed(QString::number(num / den));
}

// Twelve months of one year at m kg, eight months of the next with a total
// of t kg: the average of the twenty months.
VZT_VERIFY(P17)
{
    const auto perMonth = numbers(v, "Label1", "по (\\d+) кг цукерок щомісяця");
    const auto total = numbers(v, "Label14", "випустив (\\d+) кг $");
    v.expect(says(v, "Label14", "за вісім місяців") && says(v, "Label15", "двадцяти"),
             "eight months of 2015, twenty months in all");
    if (perMonth.size() != 1 || total.size() != 1)
        return;
    const long long sum = 12 * perMonth[0] + total[0];
    v.expect(sum % 20 == 0, "a whole average");
    v.onlyKeyed(QString::number(sum / 20));
}

// The walls are 0,8 of the lateral surface 2(w + l)h; whole rolls of
// length × width cover them.
VZT_VERIFY(P18)
{
    const auto room = numbers(v, "Label1", "ширина класу (\\d+) м, довжина - (\\d+) м");
    const auto height = numbers(v, "Label14", "^а висота - (\\d+) м\\. Площа стін класу "
                                              "дорівнює 0,(\\d) площі");
    const auto roll = numbers(v, "Label15", "довжину (\\d+) м, а ширину (\\d+) м");
    if (room.size() != 2 || height.size() != 2 || roll.size() != 2)
        return;
    // walls in tenths of a square metre
    const long long walls = height[1] * 2 * (room[0] + room[1]) * height[0];
    const long long rollArea = 10 * roll[0] * roll[1];
    v.onlyKeyed(QString::number((walls + rollArea - 1) / rollArea));
}
