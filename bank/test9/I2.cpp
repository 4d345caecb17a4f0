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

    q.solution([=](Steps &s) {
        s << "Довжина кола C = 2πR, тому 2πR = 6π і R = 6/2 = 3.";
        s << "Площа круга S = πR² = π · 3² = 9π.";
        s.answer("9π");
    });
}
