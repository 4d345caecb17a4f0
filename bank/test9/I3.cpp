// Question 3: the value of an expression with roots.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I3, 9, 3, 176)
{
    q.line(1, "Обчисліть значення виразу");
    q.picture("Image1", "SpS\\Q93.bmp", 376, 2, 216, 89);
    optionPictures(q, "O93", QSize(99, 70));

    q.solution([=](Steps &s) {
        s << "Чисельник: ∛16 · ∛4 = ∛(16 · 4) = ∛64 = 4, бо 4³ = 64.";
        s << "Знаменник: √0,16 = 0,4, бо 0,4² = 0,16.";
        s << "Частка: 4/0,4 = 10.";
        s.answer("10");
    });
}
