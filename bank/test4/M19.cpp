// Question 19: the sum of an infinite geometric progression.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M19, 4, 19, 86)
{
    q.grid(Grid{});
    lineAt(q, 1, 19, "Знайдіть суму нескінченої геометричної прогресії");
    q.picture("Image1", "SpS\\Q419.bmp", 663, 4, 204, 74, true);
    pictures(q, files("O419", {2, 1, 3, 4, 5}), 335, QSize(66, 72), kSmallBoxLefts);

    q.solution([=](Steps &s) {
        s << "Знаменник прогресії q = b<sub>2</sub>/b<sub>1</sub> = 2/6 = 1/3, |q| &lt; 1: прогресія спадна.";
        s << "Сума нескінченно спадної геометричної прогресії S = b<sub>1</sub>/(1 − q).";
        s << "S = 6/(1 − 1/3) = 6/(2/3) = 6 · 3/2 = 9.";
        s.answer("9");
    });
}
