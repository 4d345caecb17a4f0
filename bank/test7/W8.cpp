// Question 8: a derivative.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W8, 7, 8, 138)
{
    lineAt(q, 1, 10, 32, "Знайдіть похідну функції");
    q.picture("Image1", "SpS\\Q78.bmp", 345, 23, 183, 53, true);
    pictures(q, "O78", QSize(224, 112), kExpressionLefts);
    q.solution([=](Steps &s) {
        s << "Похідна добутку: (uv)′ = u′v + uv′.";
        s << "Тут u = x², v = sin x, тому u′ = 2x, v′ = cos x.";
        s << "y′ = (x²)′ · sin x + x² · (sin x)′ = 2x sin x + x² cos x.";
        s.answer("2x sin x + x² cos x");
    });
}
