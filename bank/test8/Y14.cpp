// Question 14: the longer diagonal of a parallelogram; the first side stands
// in the picture over the leading blanks of line 2.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y14, 8, 14, 165)
{
    q.grid(Grid{});
    q.line(1, "Гострий кут паралелограма становить 30°, а його сторони дорівнюють");
    lineAt(q, 2, 10, 90,
           QString(14, QLatin1Char(' '))
               + "см і 3 см. Обчисліть довжину більшої діагоналі паралелограма");
    q.picture("Image1", "SpS\\Q814.bmp", 2, 70, 97, 61);
    pictures(q, "O814", QSize(97, 61));

    q.solution([=](Steps &s) {
        s << "Більша діагональ d лежить проти тупого кута 180° − 30° = 150°.";
        s << "Сторони a = 3√3 см і b = 3 см; cos 150° = −√3/2.";
        s << "За теоремою косинусів d² = a² + b² − 2ab · cos 150°.";
        s << "d² = (3√3)² + 3² + 2 · 3√3 · 3 · √3/2 = 27 + 9 + 27 = 63.";
        s << "d = √63 = 3√7 (см).";
        s.answer("3√7");
    });
}
