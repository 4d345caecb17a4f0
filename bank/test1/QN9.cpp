// Question 9 of Test 1: estimating the area of a pictured figure.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN9, 1, 9, 12)
{
    q.grid(Grid{kNarrowLefts, 161, {142, 301, 476, 635, 798}, 251, 421, {1072, 56}});
    q.line(1, "Оцініть площу S фігури, зображеної на рисунку.");
    q.line(2, "");
    q.line(3, "");

    q.textOptions({"3<S<6", "1<S<2", "2<S<3", "S=0", "S<1"}, 1);

    q.picture("Image1", "SpS\\N4.bmp", 930, 220, 260, 211, true);

    q.solution([=](Steps &s) {
        s << "За рисунком фігура обмежена віссю Ox і параболою через (0; 0), (1; 2), (2; 2), (3; 0).";
        s << "Це парабола y = x(3 − x) = 3x − x², а фігура лежить над відрізком [0; 3].";
        s << "S = ∫<sub>0</sub><sup>3</sup>(3x − x²)dx = (3x²/2 − x³/3)|<sub>0</sub><sup>3</sup>"
             " = 27/2 − 9 = 9/2 = 4,5.";
        s << "Оскільки 3 &lt; 4,5 &lt; 6, площа лежить між 3 і 6.";
        s.answer();
    });
}
