// Question 4: an equation.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y4, 8, 4, 155)
{
    q.grid(Grid{});
    q.line(1, "Розвяжіть рівняння");
    q.picture("Image1", "SpS\\Q84.bmp", 355, 2, 127, 67);
    pictures(q, "O84", QSize(157, 103));
}
