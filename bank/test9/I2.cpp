// Question 2: the area of a disc from the length of its circle.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I2, 9, 2, 175)
{
    // The length stands in the picture over the thirteen blanks.
    q.line(1,
           "Довжина кола дорівнює" + blanks(13) + ".  Знайдіть площу круга, обмеженого цим колом");
    q.picture("Image1", "SpS\\Q92.bmp", 322, 17, 86, 38);
    optionPictures(q, "O92", QSize(174, 55));
}
