// Question 5: the equation of the line through two pictured points.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H5, 10, 5, 199)
{
    q.grid(narrowGrid(kLeftShiftedLefts));
    q.line(1, "Укажіть рівняння з двома змінними, графік якого ");
    q.line(2, "проходить через дві зображені на рисунку точки");
    q.picture("Image1", "SpS/Q105.bmp", 811, 8, 235, 186, true);
    q.textOptions({"3y+4x=3", "3y-4x=3", "3y+4x=1", "4y-3x=1", "y-3x=4"}, 1);
}
