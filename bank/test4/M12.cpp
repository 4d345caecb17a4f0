// Question 12: the area of the midpoint triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M12, 4, 12, 79)
{
    q.grid(Grid{});
    stackedLines(q, {"Точки D, E i F є серединами сторін трикутника АВС. У скільки разів",
                     "площа трикутника DEF менша за площу трикутника АВС?"});
    q.textOptions({"у 4 рази", "у 2 рази", "у 6 разів", "у 8 разів", "у 16 разів"}, 1);

    q.solution([=](Steps &s) {
        s << "Сторони DEF — середні лінії трикутника ABC: кожна дорівнює половині його сторони.";
        s << "Трикутники DEF і ABC подібні з коефіцієнтом k = 1/2.";
        s << "Площі подібних фігур відносяться як k²: (1/2)² = 1/4, тобто площа DEF менша в 4 рази.";
        s.answer();
    });
}
