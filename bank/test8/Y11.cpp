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

    q.solution([=](Steps &s) {
        s << "Точка M(−1; 1) лежить на графіку y = f(x) (див. рисунок), тобто f(−1) = 1.";
        s << "Графік y = f(x) − a проходить через N(−1; −1), якщо f(−1) − a = −1.";
        s << "Отже, 1 − a = −1, звідки a = 1 − (−1) = 2.";
        s.answer();
    });
}
