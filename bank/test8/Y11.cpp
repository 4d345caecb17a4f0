// Question 11: shifting a graph down through a given point.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y11, 8, 11, 162)
{
    q.grid(Grid{});
    q.lines({"Графік функції y=f(x) проходить через точку М(-1;1). При ",
             "якому значенні а графік функції y=f(x)-а проходить через ",
             "точку N(-1;-1)?"});
    q.picture("Image1", "SpS\\Q811.bmp", 785, 4, 287, 247);
    q.textOptions({"2", "1", "-2", "-1", "3"}, 1);
}
