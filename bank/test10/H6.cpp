// Question 6: a numerical expression with powers.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H6, 10, 6, 200)
{
    q.grid(wideGrid());
    lowLines(q, "Обчисліть: ");
    q.picture("Image1", "SpS\\Q106.bmp", 199, 9, 89, 110, true);
    pictures(q,
             {"SpS\\O1061.bmp", "SpS\\O1062.bmp", "SpS\\O1063.bmp", "SpS\\O1064.bmp",
              "SpS\\O1065.bmp"},
             QSize(52, 62));

    q.solution([=](Steps &s) {
        s << "Розкладемо 6 на множники: 6<sup>7</sup> = (2 · 3)<sup>7</sup> = 2<sup>7</sup> · 3<sup>7</sup>.";
        s << "6<sup>7</sup>/(2<sup>6</sup> · 3<sup>7</sup>) = 2<sup>7</sup> · 3<sup>7</sup>/(2<sup>6</sup> · 3<sup>7</sup>)"
             " = 2<sup>7 − 6</sup> = 2.";
        s.answer("2");
    });
}
