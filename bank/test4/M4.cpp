// Question 4: an angle of a triangle with a bisector. The angle B = 110°
// stands only in the figure.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M4, 4, 4, 71)
{
    const int v = q.draw(10, 24);
    const int w = 70 - 2 * v;

    q.grid(Grid{});
    stackedLines(q, {"У трикутнику АВС відрізок АК - бісектриса кута А. ",
                     "Знайдіть градусну міру кута С якщо кут САК=" + QString::number(v) + "°"});
    q.picture("Image1", "SpS\\Q44.bmp", 748, 28, 323, 130, true);
    q.textOptions(degrees({w, 2 * w, w / 2, w + 1, w + 2}), 1);

    q.solution([=](Steps &s) {
        s << "AK — бісектриса, тому ∠A = 2·∠CAK = 2·" + val(v) + "° = " + val(2 * v) + "°.";
        s << "За рисунком ∠B = 110°. Сума кутів трикутника дорівнює 180°.";
        s << "∠C = 180° − 110° − " + val(2 * v) + "° = " + val(w) + "°.";
        s.answer();
    });
}
