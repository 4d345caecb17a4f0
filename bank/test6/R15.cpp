// Question 15: the probability of drawing a red pen.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R15, 6, 15, 124)
{
    twoLines(q, "У непрозорому пакеті лежать кулькові ручки, що відрізняються тільки кольором:",
             "10 синіх, 4 фіолетових, 8 червоних і 5 зелених. Знайдіть ймовірність того, що", 68,
             82);
    lineAt(q, 4, 112, "вчитель з першої спроби навмання витягне з пакету червону ручку.");
    pictures(q, optionFiles("O615"), QSize(84, 103), Lefts{60, 288, 514, 745, 973});
}
