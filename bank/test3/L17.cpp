// Question 17: an angle in a cube.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L17, 3, 17, 63)
{
    q.grid(pictureGrid(289, 455));
    upperLines(q, "На рисунку зображено куб. Знайдіть градусну", "міру кута АВС.");
    q.picture("Image1", "SpS\\Q173.bmp", 669, 5, 294, 277, true);
    pictures(q,
             {"SpS\\O171.bmp", "SpS\\O172.bmp", "SpS\\O173.bmp", "SpS\\O174.bmp", "SpS\\O175.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "Відрізки AB, BC і CA — діагоналі граней куба, тож AB = BC = CA = a√2.";
        s << "Трикутник ABC рівносторонній, тож кожен його кут дорівнює 180°/3 = 60°.";
        s.answer("60°");
    });
}
