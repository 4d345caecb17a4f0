// Independent checks of the Test 4 questions that compute their answer: each
// reads the numbers as the learner sees them and recomputes the right option.
#include "verify.h"

#include <cmath>

using namespace vzt;

VZT_VERIFY(M3)
{
    // Line 1 gives a, then b; the picture Q43 asks for 2a − 3b.
    const auto n = signedNumbersIn(v.text("Label1"));
    v.expect(n.size() == 6, "two vectors of three coordinates in line 1");
    v.expect(v.file("Image1") == "SpS\\Q43.bmp", "the combination is Q43");
    if (n.size() != 6)
        return;
    QStringList r;
    for (int i = 0; i < 3; ++i)
        r << QString::number(2 * n[i] - 3 * n[3 + i]);
    v.onlyKeyed("(" + r.join(';') + ")");
}

VZT_VERIFY(M4)
{
    // The figure Q44 marks the angle B = 110°; AK halves the angle A.
    const auto n = signedNumbersIn(v.text("Label14"));
    v.expect(n.size() == 1 && v.file("Image1") == "SpS\\Q44.bmp", "the angle CAK and Q44");
    if (n.size() != 1)
        return;
    v.onlyKeyed(QString::number(180 - 110 - 2 * n[0]) + "°");
}

VZT_VERIFY(M6)
{
    // More than a, less than b; remainder r5 by 5 and r3 by 3.
    const auto bounds = numbersIn(v.text("Label1"));
    const auto by5 = numbersIn(v.text("Label14"));
    const auto by3 = numbersIn(v.text("Label8"));
    v.expect(bounds.size() == 2 && by5.size() == 2 && by3.size() == 2, "the numbers of lines 1-3");
    if (bounds.size() != 2 || by5.size() != 2 || by3.size() != 2)
        return;
    v.onlyKeyedWhere(
        [&](const QString &form) {
            const long long k = form.toLongLong();
            return k > bounds[0] && k < bounds[1] && k % by5[0] == by5[1] && k % by3[0] == by3[1];
        },
        "a possible number of pebbles");
}

VZT_VERIFY(M11)
{
    // The median to the hypotenuse is half of it.
    const auto n = signedNumbersIn(v.text("Label1"));
    v.expect(n.size() == 2, "two legs in line 1");
    if (n.size() != 2)
        return;
    const long long c2 = n[0] * n[0] + n[1] * n[1];
    const auto c = static_cast<long long>(std::llround(std::sqrt(double(c2))));
    v.expect(c * c == c2 && c % 2 == 0, "the hypotenuse is a whole even number");
    v.onlyKeyed(QString::number(c / 2));
}

VZT_VERIFY(M16)
{
    // A prism over an n-gon has 3n edges.
    static const QStringList adjectives{"п`ятикутної", "шестикутної", "семикутної",
                                        "восьмикутної"};
    int n = 0;
    for (int i = 0; i < adjectives.size(); ++i)
        if (v.text("Label1").contains(" " + adjectives[i] + " "))
            n = 5 + i;
    v.expect(n != 0, "the base is named");
    v.onlyKeyed(QString::number(3 * n));
}
