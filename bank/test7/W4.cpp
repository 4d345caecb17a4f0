// Question 4: the angle between a bisector and a side.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W4, 7, 4, 134)
{
    const int half = q.draw(15, 25); // half of the angle A: the answer
    const int angleB = q.draw(75, 89);
    const int angleC = 180 - 2 * half - angleB;

    q.grid(narrowGrid());
    q.line(1, "У трикутнику АВС кут В=" + QString::number(angleB) + "°"
                  + ", АК - бісектриса кута А. Знайдіть градусну");
    q.line(2, "міру кута КАС, якщо кут С=" + QString::number(angleC) + "°" + ".");
    // Line 1 runs on to x 900: the drawing stands under it, from top 48
    // down to the bottom of its usual box (24 + 190), clear of the letters.
    q.picture("Image1", "SpS\\Q74.bmp", 784, 48, 257, 166, false);

    auto degrees = [](int v) { return QString::number(v) + "°"; };
    q.textOptions({degrees(half), degrees(2 * half), degrees(half + 5), degrees(half - 5),
                   degrees(3 * half)},
                  1);

    q.solution([=](Steps &s) {
        s << "Сума кутів трикутника 180°: ∠A = 180° − " + val(angleB) + "° − " + val(angleC)
                 + "° = " + val(2 * half) + "°.";
        s << "AK — бісектриса, тому ∠KAC = ∠A/2 = " + val(2 * half) + "°/2 = " + val(half) + "°.";
        s.answer();
    });
}
