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

    q.solution([=](Steps &s) {
        s << "З основної тотожності sin²a + cos²a = 1: sin²a = 1 − 0,8² = 1 − 0,64 = 0,36.";
        s << "Кут a лежить у IV чверті (3π/2 &lt; a &lt; 2π), де синус від’ємний.";
        s << "Тому sin a = −√0,36 = −0,6.";
        s.answer();
    });
}
