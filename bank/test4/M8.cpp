// Question 8: a derivative.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M8, 4, 8, 75)
{
    q.grid(Grid{});
    lineAt(q, 1, 48, "Знайдіть похідну функції ");
    q.picture("Image1", "SpS\\Q48.bmp", 334, 28, 164, 70, true);
    pictures(q, files("O48", {1, 2, 3, 4, 5}), 330, QSize(213, 82));

    q.solution([=](Steps &s) {
        s << "Похідна добутку: (uv)′ = u′v + uv′, де u = x³, v = cos x.";
        s << "(x³)′ = 3x², (cos x)′ = −sin x.";
        s << "y′ = 3x²·cos x + x³·(−sin x) = 3x² cos x − x³ sin x.";
        s.answer("3x² cos x − x³ sin x");
    });
}
