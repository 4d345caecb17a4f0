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
}
