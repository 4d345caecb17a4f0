// Question 4: the product of a sine and a cosine.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H4, 10, 4, 198)
{
    q.grid(wideGrid());
    q.line(1, "Обчисліть: sin 22,5°cos 22,5°");
    pictures(q,
             {"SpS\\O1041.bmp", "SpS\\O1042.bmp", "SpS\\O1043.bmp", "SpS\\O1044.bmp",
              "SpS\\O1045.bmp"},
             QSize(92, 109));

    q.solution([=](Steps &s) {
        s << "За формулою синуса подвійного кута sin α cos α = 1/2 · sin 2α.";
        s << "Тут α = 22,5°, а 2 · 22,5° = 45°.";
        s << "sin 22,5° cos 22,5° = 1/2 · sin 45° = 1/2 · √2/2 = √2/4.";
        s.answer("√2/4");
    });
}
