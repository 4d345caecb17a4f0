// Question 2: a calculation with fractions.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P2, 5, 2, 90)
{
    lineAt(q, 1, 54, "Обчисліть ");
    q.picture("Image1", "SpS\\Q52.bmp", 155, 4, 97, 108);
    pictures(q, {"SpS\\O521.bmp", "SpS\\O522.bmp", "SpS\\O523.bmp", "SpS\\O524.bmp",
                 "SpS\\O525.bmp"},
             QSize(92, 86), 4);

    q.solution([=](Steps &s) {
        s << "Чисельник: 1/2 − 1/3 = 3/6 − 2/6 = 1/6.";
        s << "Ділимо 1/6 на 2/3, тобто множимо на обернений дріб 3/2: 1/6 · 3/2 = 3/12 = 1/4.";
        s.answer("1/4");
    });
}
