// Question 20: the volume of a cone inside a cylinder.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W20, 7, 20, 150)
{
    const int k = q.draw(10, 16); // the cone's volume over π; the cylinder's is 6k

    // π stands in the picture over the nine blanks.
    lineAt(q, 1, 10, 41,
           "Об`єм циліндра дорівнює " + QString::number(6 * k)
               + "         , точка М - середина осі ОО");
    lineAt(q, 2, 10, 126, "Знайдіть об`єм конуса, висота якого дорівнює МО");
    q.label("Label8", 783, 64, smallFont(16)).text = "1"; // the index of the axis' second О
    q.picture("Image1", "SpS\\Q720.bmp", 377, 35, 58, 36, true);
    q.picture("Image7", "SpS\\Q720B.bmp", 866, 3, 212, 278, true);

    q.textOptions({QString::number(k), QString::number(2 * k), QString::number(4 * k),
                   QString::number(3 * k), QString::number(k / 2)},
                  1);
    // Every option reads as its number times π: the sign stands right of
    // each slot label, whatever the deal.
    for (int option = 1; option <= 5; ++option)
        q.addToForm(option, "π");
    static constexpr Lefts piLefts{103, 333, 563, 793, 1023};
    for (int slot = 0; slot < 5; ++slot)
        q.picture(kSlotImages[slot], "SpS\\Q720.bmp", piLefts[slot], 372, 58, 36, false);
    q.solution([=](Steps &s) {
        s << "Об'єм циліндра V<sub>ц</sub> = πR²H, де H = OO<sub>1</sub>; конус має ту саму основу.";
        s << "Висота конуса MO = H/2, тому V<sub>к</sub> = 1/3 · πR² · H/2 = 1/6 · πR²H.";
        s << "Справді, 1/3 · 1/2 = 1/6, тож об'єм конуса — шоста частина об'єму циліндра.";
        s << "V<sub>к</sub> = " + val(6 * k) + "π/6 = " + val(k) + "π, адже " + val(6 * k) + "/6 = "
                 + val(k) + ".";
        s.answer();
    });
}
