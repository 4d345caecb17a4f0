// Question 5: the least of five numbers.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R5, 6, 5, 114)
{
    // The numbers stand in the picture over the 73 blanks of the line.
    lineAt(q, 1, 24,
           "Яке з чисел:" + QString(56, QLatin1Char(' ')) + QString(17, QLatin1Char(' '))
               + "є найменшим?");
    q.picture("Image1", "SpS\\Q65.bmp", 165, 1, 499, 73);
    pictures(q, optionFiles("O65"), QSize(100, 75));

    q.solution([=](Steps &s) {
        s << "Порівняємо квадрати додатних чисел: (2√3)² = 12, (√11)² = 11.";
        s << "3,4² = 11,56 і 3,33² = 11,0889 — більші за 11, тож із цих чисел найменше √11.";
        s << "√11 і ∛37 порівняємо в шостому степені: (√11)<sup>6</sup> = 11³ = 1331, "
             "(∛37)<sup>6</sup> = 37² = 1369.";
        s << "1331 &lt; 1369, тому √11 &lt; ∛37, і найменше з усіх чисел √11.";
        s.answer("√11");
    });
}
