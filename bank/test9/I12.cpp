// Question 12: the volume of a cone inscribed in a cylinder.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I12, 9, 12, 185)
{
    const int b = q.draw(10, 30);
    const int m = 10 * b; // the cylinder's volume is 3m

    q.line(1, "У циліндр вписано конус. Знайдіть об`єм конуса,");
    q.line(2, "якщо об`єм циліндра дорівнює " + QString::number(3 * m));
    q.picture("Image1", "SpS\\Q912.bmp", 700, 42, 169, 214);
    q.textOptions({QString::number(m), QString::number(2 * m), QString::number(m / 2),
                   QString::number(3 * m / 2), QString::number(2 * m / 3)},
                  1);

    q.solution([=](Steps &s) {
        s << "Вписаний конус має ту саму основу й ту саму висоту, що й циліндр.";
        s << "V<sub>конуса</sub> = 1/3 · πR²h, V<sub>циліндра</sub> = πR²h, тож конус — третина "
             "циліндра.";
        s << "V<sub>конуса</sub> = " + val(3 * m) + "/3 = " + val(m) + ".";
        s.answer();
    });
}
