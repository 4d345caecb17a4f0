// Question 19: the fabric for a box, with an allowance for the seams.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y19, 8, 19, 171)
{
    q.grid(Grid{});
    q.lines({"Коробку з кришкою, що має форму прямокутного паралелепіпеда з вимірами 8 см,",
             "5 см і 4,5 см, обшивають матерією. Знайдіть площу матерії, якщо на шви йде",
             "10% від площі всієї тканини."});
    pictures(q, "O819", QSize(195, 62));
}
