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

    q.solution([=](Steps &s) {
        s << "За рисунком графік проходить через точки (0; 1) і (3; −3).";
        s << "Обидві точки задовольняють рівняння 3y + 4x = 3:";
        s << "3 · 1 + 4 · 0 = 3 і 3 · (−3) + 4 · 3 = −9 + 12 = 3.";
        s << "Для інших рівнянь не підходить хоча б одна точка (для 3y − 4x = 3 — точка (3; −3)).";
        s.answer();
    });
}
