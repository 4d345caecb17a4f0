// Question 9: what follows from a condition.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I9, 9, 9, 182)
{
    // The condition and the question stand in the picture after "Якщо".
    q.line(1, "Якщо ");
    q.picture("Image1", "SpS\\Q99.bmp", 111, 10, 343, 68);
    optionPictures(q, "O99", QSize(188, 68), kWideBoxLefts);
}
