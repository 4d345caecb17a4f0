// Question 2: the triangle of the midpoints of the sides has a quarter of the area.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R2, 6, 2, 111)
{
    q.lines({"Усі сторони трикутника АВС розділені навпіл точками D, E i F. У скільки разів",
             "площа трикутника DEF менша від площі трикутника АВС?"});
    q.textOptions({"у 4 рази", "у 2 рази", "у 6 разів", "у 8 разів", "у 16 разів"}, 1);

    q.solution([=](Steps &s) {
        s << "DE, EF і FD — середні лінії трикутника ABC: кожна вдвічі менша від сторони ABC.";
        s << "Тому трикутник DEF подібний до ABC з коефіцієнтом k = 1/2.";
        s << "Площі подібних трикутників відносяться як k²: (1/2)² = 1/4.";
        s << "Отже, площа DEF у 4 рази менша від площі ABC.";
        s.answer();
    });
}
