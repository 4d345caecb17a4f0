// Question 3: the value of an expression with roots.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I3, 9, 3, 176)
{
    q.line(1, "Обчисліть значення виразу");
    q.picture("Image1", "SpS\\Q93.bmp", 376, 2, 216, 89);
    optionPictures(q, "O93", QSize(99, 70));
}
