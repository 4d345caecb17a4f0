// Question 10: the radius of the circle circumscribed about a pictured triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R10, 6, 10, 119)
{
    twoLines(q, "Знайдіть радіус описаного навколо трикутника кола ", "з центром у точці О.");
    q.picture("Image1", "SpS\\Q610.bmp", 787, 32, 189, 189);
    pictures(q, optionFiles("O610"), QSize(129, 41));
}
