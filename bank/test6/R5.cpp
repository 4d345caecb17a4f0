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
}
