// Question 15: the shorter diagonal of a parallelogram; the first side's
// length is a picture over the thirteen blanks of line 1.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P15, 5, 15, 103)
{
    lineAt(q, 1, 19,
           "Гострий кут паралелограма становить 45°, a його сторони дорівнюють"
               + QString(13, QLatin1Char(' ')) + "см");
    lineAt(q, 2, 51, "і 4 см. Обчисліть довжину меншої діагоналі паралелограма.");
    q.picture("Image1", "SpS\\O4133s.bmp", 915, 10, 84, 45);
    pictures(q, {"SpS\\O4133.bmp", "SpS\\O5152.bmp", "SpS\\O5153.bmp", "SpS\\O5154.bmp",
                 "SpS\\O5155.bmp"},
             QSize(94, 68), 15);

    q.solution([=](Steps &s) {
        s << "Менша діагональ d лежить проти гострого кута 45°. За теоремою косинусів:";
        s << "d² = (2√2)² + 4² − 2 · 2√2 · 4 · cos 45°, де cos 45° = √2/2.";
        s << "(2√2)² = 8, 4² = 16, 2 · 2√2 · 4 · √2/2 = 16, тому d² = 8 + 16 − 16 = 8.";
        s << "d = √8 = 2√2 см.";
        s.answer("2√2");
    });
}
