// Question 11: the vector MN, where MN joins the midpoints of two sides of a
// triangle whose third side is AB.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R11, 6, 11, 120)
{
    twoLines(q, "Знайдіть координати вектора МN, якщо А(-1;3;4),", "В(-3;2;-2)");
    q.picture("Image1", "SpS\\Q611.bmp", 787, 32, 249, 195);
    pictures(q, optionFiles("O611"), QSize(161, 80));

    q.solution([=](Steps &s) {
        s << "MN — середня лінія трикутника ABC, тому вектор MN дорівнює половині вектора AB.";
        s << "Координати AB (кінець мінус початок): (−3) − (−1) = −2; 2 − 3 = −1; (−2) − 4 = −6.";
        s << "Половина кожної: (−2)/2 = −1; (−1)/2 = −0,5; (−6)/2 = −3.";
        s.answer("(−1; −0,5; −3)");
    });
}
