// Question 10: the area of a right triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M10, 4, 10, 77)
{
    q.grid(Grid{});
    // The legs stand in the picture right of line 1.
    stackedLines(q, {"Катети прямокутного трикутника дорівнюють",
                     "Обчисліть площу цього трикутника."});
    q.picture("Image1", "SpS\\Q410.bmp", 613, 9, 223, 58, true);
    q.textOptions({"2", "1", "3", "4", "5"}, 1);

    q.solution([=](Steps &s) {
        s << "Площа прямокутного трикутника дорівнює половині добутку катетів.";
        s << "(√5 − 1)(√5 + 1) = (√5)² − 1² = 5 − 1 = 4 (різниця квадратів).";
        s << "S = 4/2 = 2.";
        s.answer();
    });
}
