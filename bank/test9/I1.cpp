// Question 1: the value of an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I1, 9, 1, 174)
{
    q.line(1, "Обчисліть значення виразу");
    q.picture("Image1", "SpS\\Q91.bmp", 393, 3, 195, 59);
    optionPictures(q, "O91", QSize(112, 52));
}
