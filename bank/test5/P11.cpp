// Question 11: shifting a graph along the x axis.
#include "common.h"

using namespace vzt;

VZT_QUESTION(P11, 5, 11, 99)
{
    q.lines({"Графік функції y=f(x) проходить через точку А(0;1). При якому значенні",
             "а графік функції y=f(x-а) проходить через ", "точку В(-2;1)?"});
    q.picture("Image1", "SpS\\Q511.bmp", 665, 53, 392, 227);
    q.textOptions({"-2", "2", "0", "1", "-1"}, 1);
}
