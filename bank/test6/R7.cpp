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
}
