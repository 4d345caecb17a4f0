#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(SS18, 2, 18, 43)
{
    q.grid(pictureRows(261, 434));
    q.line(1, "Знайдіть похідну функції у=");
    q.picture("Image1", "SpS\\Q18.bmp", 362, 4, 127, 61);

    q.pictureOptions({"SpS\\O1821.bmp", "SpS\\O1822.bmp", "SpS\\O1823.bmp", "SpS\\O1824.bmp",
                      "SpS\\O1825.bmp"},
                     1, 310, QSize(149, 87), Lefts{37, 267, 497, 727, 957}, false);

    q.solution([=](Steps &s) {
        s << "Похідна частки: (u/v)′ = (u′v − uv′)/v².";
        s << "Тут u = x + 1, v = x − 1, u′ = 1, v′ = 1.";
        s << "y′ = (1 · (x − 1) − (x + 1) · 1)/(x − 1)² = (x − 1 − x − 1)/(x − 1)².";
        s << "Чисельник дорівнює −2, отже, y′ = −2/(x − 1)².";
        s.answer("y′ = −2/(x − 1)²");
    });
}
