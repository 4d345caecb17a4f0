// Question 2 of Test 1: the angle B of a right triangle ABC with the median CN.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN2, 1, 2, 5)
{
    const int x = q.draw(5, 25); // the given angle ACN
    const int y = 90 - x;        // the answer: angle B
    // Three distractors p, qq, r near the answer, each drawn at least once
    // (qq: q is the template's handle).
    int p = y;
    while (p == x || p == y)
        p = q.draw(y - 2, y + 2);
    int qq = y;
    while (qq == x || qq == y || qq == p || qq > 90)
        qq = q.draw(y - 3, y + 10);
    int r = y;
    while (r == x || r == y || r == p || r == qq || r > 90)
        r = q.draw(y - 2, y + 20);

    q.grid(Grid{kNarrowLefts, 161, kNarrowSlotLefts, 251, 400, {1072, 56}});
    q.line(1, "У прямокутному трикутнику АВС проведено медіану СN. Визначте градусну міру кута В,");
    q.line(2, "якщо кут АСN=" + QString::number(x) + "°" + ".");

    const auto deg = [](int v) { return QString::number(v) + "°"; };
    q.textOptions({deg(x), deg(y), deg(p), deg(qq), deg(r)}, 2);

    q.picture("Image1", "SpS\\N1.bmp", 900, 120, 192, 273, false);

    q.solution([=](Steps &s) {
        s << "Медіана, проведена до гіпотенузи, дорівнює її половині: CN = AN = NB.";
        s << "Трикутник ACN рівнобедрений, тому ∠A = ∠ACN = " + val(x) + "°.";
        s << "У прямокутному трикутнику ∠B = 90° − ∠A = 90° − " + val(x) + "° = " + val(y) + "°.";
        s.answer();
    });
}
