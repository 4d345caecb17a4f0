// Question 7: the formula that fits a pictured graph.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R7, 6, 7, 116)
{
    lineAt(q, 1, 24, "Яка функція найбільше відповідає графіку");
    lineAt(q, 2, 64, "наведеному на рисунку?");
    q.picture("Image1", "SpS\\Q67.bmp", 740, 32, 375, 237);
    pictures(q, optionFiles("O67"), QSize(142, 62));

    q.solution([=](Steps &s) {
        s << "Графік має форму графіка y = √x, але починається в точці (−2; −1), а не (0; 0).";
        s << "Отже, графік y = √x зсунуто на 2 вліво і на 1 вниз: y = √(x + 2) − 1.";
        s << "Перевірка: за графіком y(2) = 1, і справді √(2 + 2) − 1 = 2 − 1 = 1.";
        s.answer("y = √(x + 2) − 1");
    });
}
