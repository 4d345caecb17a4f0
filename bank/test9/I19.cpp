// Question 19: a diagonal of a quadrilateral inscribed in a circle.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I19, 9, 19, 192)
{
    // Line 2 runs on under the radius, so it stands lower.
    linesFrom(q, 24, 39,
              {"Дано чотирикутник ABCD, вписаний у коло радіуса ",
               "Знайдіть діагональ АС чотирикутника, якщо кут D=120°"});
    q.picture("Image1", "SpS\\Q919s.bmp", 680, 27, 76, 35);
    q.picture("Image7", "SpS\\Q919.bmp", 862, 17, 199, 205);
    optionPictures(q, "O919", QSize(76, 35), {62, 293, 522, 751, 979});

    q.solution([=](Steps &s) {
        s << "Трикутник ACD вписаний у те саме коло радіуса R = √6.";
        s << "За теоремою синусів AC/sin D = 2R, тобто AC = 2R · sin D.";
        s << "sin 120° = sin (180° − 60°) = sin 60° = √3/2.";
        s << "AC = 2 · √6 · √3/2 = √18 = √(9 · 2) = 3√2.";
        s.answer("3√2");
    });
}
