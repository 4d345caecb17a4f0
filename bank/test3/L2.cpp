// Question 2: the third side of a triangle with an angle of 60 degrees.
#include "common.h"

#include <cmath>

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L2, 3, 2, 48)
{
    const auto row = q.row("Ida\\VZT_5.txt", 25, 3);
    const long long AB = row[0], AC = row[1], sq = row[2];
    const long long s = static_cast<long long>(std::trunc(std::sqrt(double(sq))));

    q.grid(textGrid());
    q.line(1, "У трикутнику АВС АВ=" + QString::number(AB) + " см, АС=" + QString::number(AC)
                  + " см, кут ВАС=60" + "°" + ". Знайдіть ВС.");

    const QString root = QString::number(sq);
    q.textOptions({QString::number(sq + 2), QString::number(s) + ",5", QString::number(s) + ",8",
                   QString::number(s), root},
                  5);
    // Option 5 reads as the square root of q: the root sign stands in front
    // of the number in whichever slot it was dealt to.
    q.page().optionForms[4] = "√" + root;
    q.picture("Image1", "SpS\\sqrt.bmp", q.slotLabelOf(5).left - 25, 288, 27, 60, true);

    q.solution([=](Steps &s) {
        s << "Теорема косинусів: BC² = AB² + AC² − 2 · AB · AC · cos 60°, cos 60° = 1/2.";
        s << "BC² = " + val(AB) + "² + " + val(AC) + "² − 2 · " + val(AB) + " · " + val(AC) +
                 " · 1/2 = " + val(AB * AB) + " + " + val(AC * AC) + " − " + val(AB * AC) + " = " +
                 val(sq) + ".";
        s << "BC = √" + val(sq) + " см.";
        s.answer();
    });
}
