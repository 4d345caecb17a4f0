// Independent checks of the Test 7 questions whose answer can be recomputed
// from what the learner sees (the pictured questions are checked with their
// picture descriptions).
#include "verify.h"

using namespace vzt;

namespace {

QString triple(long long x, long long y, long long z)
{
    return QStringLiteral("(%1;%2;%3)").arg(x).arg(y).arg(z);
}

} // namespace

VZT_VERIFY(W4)
{
    // The angle A is 180 − B − C; the bisector halves it.
    const auto b = numbersIn(v.text("Label1"));
    const auto c = numbersIn(v.text("Label14"));
    v.expect(b.size() == 1 && c.size() == 1, "the angles B and C in lines 1 and 2");
    if (b.size() != 1 || c.size() != 1)
        return;
    const long long a = 180 - b[0] - c[0];
    v.expect(a > 0 && a % 2 == 0, "the angle A is a whole even number of degrees");
    v.onlyKeyed(QString::number(a / 2) + "°");
}

VZT_VERIFY(W5)
{
    // n leaves 1 on division by 7 ("одна" left over) and 0 by 10.
    const auto seven = numbersIn(v.text("Label1"));
    const auto ten = numbersIn(v.text("Label14"));
    v.expect(seven == std::vector<long long>{7} && v.text("Label1").endsWith("одна"),
             "one left over in heaps of 7");
    v.expect(ten == std::vector<long long>{10} && v.text("Label14").endsWith("зайвих цукерок не"),
             "none left over in heaps of 10");
    v.onlyKeyedWhere([](const QString &f) { return f.toLongLong() % 7 == 1 && f.toLongLong() % 10 == 0; },
                     "a possible number of sweets");
}

VZT_VERIFY(W12)
{
    // c = B − A, the vector AB.
    const auto p = captures(v.text("Label1"),
                            QStringLiteral("А\\((-?\\d+);(-?\\d+);(-?\\d+)\\), +"
                                           "В\\((-?\\d+);(-?\\d+);(-?\\d+)\\)$"));
    v.expect(p.size() == 6, "the points А and В in line 1");
    if (p.size() == 6)
        v.onlyKeyed(triple(p[3] - p[0], p[4] - p[1], p[5] - p[2]));
}

VZT_VERIFY(W13)
{
    // Three chosen out of n, order not counted: C(n, 3).
    const auto n = numbersIn(v.text("Label1"));
    v.expect(n.size() == 1 && v.text("Label1").contains("троє"), "three out of n in line 1");
    if (n.size() == 1)
        v.onlyKeyed(QString::number(n[0] * (n[0] - 1) * (n[0] - 2) / 6));
}

VZT_VERIFY(W14)
{
    // V·π / (4/3·π·r³) balls.
    const auto volume = numbersIn(v.text("Label1"));
    const auto radius = numbersIn(v.text("Label14"));
    v.expect(volume.size() == 1 && radius.size() == 1, "the volume and the radius");
    if (volume.size() != 1 || radius.size() != 1)
        return;
    const long long ball3 = 4 * radius[0] * radius[0] * radius[0]; // 3 × a ball's volume / π
    v.expect(3 * volume[0] % ball3 == 0, "a whole number of balls");
    v.onlyKeyed(QString::number(3 * volume[0] / ball3));
}

VZT_VERIFY(W19)
{
    // Symmetry in the plane x0z changes the sign of y only.
    const auto n = captures(v.text("Label1"), QStringLiteral("N\\((-?\\d+);(-?\\d+);(-?\\d+)\\)$"));
    v.expect(n.size() == 3 && v.text("Label14") == "відносно площини x0z", "N and the plane x0z");
    if (n.size() == 3)
        v.onlyKeyed(triple(n[0], -n[1], n[2]));
}

VZT_VERIFY(W20)
{
    // The cone stands on the cylinder's base with half its height: a sixth.
    const auto n = numbersIn(v.text("Label1"));
    v.expect(n.size() == 1 && n[0] % 6 == 0, "the cylinder's volume, a multiple of 6");
    if (n.size() == 1)
        v.onlyKeyed(QString::number(n[0] / 6) + "π");
}
