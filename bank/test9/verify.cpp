// Independent checks of the Test 9 questions whose numbers are drawn: each
// reads the numbers as the learner sees them and recomputes the right option.
#include "verify.h"

#include <cstdlib>

using namespace vzt;

VZT_VERIFY(I7)
{
    // What the window shows: |x|+|a-bx| at x = -c.
    const QString shown = displayText(v.text("Label1"));
    const auto n = captures(shown, QStringLiteral(
        "^Знайдіть значення виразу \\|x\\|\\+\\|(\\d+)-(\\d+)x\\| при х=(-\\d+)$"));
    v.expect(n.size() == 3, "line 1 reads |x|+|a-bx| at x = -c: " + shown);
    if (n.size() != 3)
        return;
    const long long a = n[0], b = n[1], x = n[2];
    v.onlyKeyed(QString::number(std::llabs(x) + std::llabs(a - b * x)));
}

VZT_VERIFY(I11)
{
    const auto n = captures(v.text("Label1"), QStringLiteral(
        "^Знайдіть скалярний добуток векторів а\\((-?\\d+);(-?\\d+);(-?\\d+)\\) "
        "i b\\((-?\\d+);(-?\\d+);(-?\\d+)\\)$"));
    v.expect(n.size() == 6, "two vectors of three coordinates in line 1");
    if (n.size() != 6)
        return;
    v.onlyKeyed(QString::number(n[0] * n[3] + n[1] * n[4] + n[2] * n[5]));
}

namespace {
// A solid whose volume stands at the end of a line, and the keyed part of it.
void partOfVolume(Verdict &v, const QString &line, int parts)
{
    const auto n = signedNumbersIn(v.text(line));
    v.expect(!n.empty() && n.back() % parts == 0,
             QStringLiteral("the volume in %1 is a multiple of %2").arg(line).arg(parts));
    if (!n.empty())
        v.onlyKeyed(QString::number(n.back() / parts));
}
} // namespace

VZT_VERIFY(I12)
{
    // A cone inscribed in a cylinder has its base and height: a third of it.
    partOfVolume(v, "Label14", 3);
}

VZT_VERIFY(I20)
{
    // The pyramid ABCB` has half the base ABCD and the height BB`: a sixth.
    partOfVolume(v, "Label14", 6);
}
