// Question 17: the value of a sine from the cosine and the quarter.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y17, 8, 17, 169)
{
    q.grid(Grid{});
    q.line(1, "Обчисліть sin a, якщо ");
    q.picture("Image1", "SpS\\Q817.bmp", 356, 2, 339, 71);
    q.textOptions({"-0,6", "0,6", "-0,8", "0,4", "1,6"}, 1);
}
