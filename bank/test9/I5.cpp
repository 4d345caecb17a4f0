// Question 5: the probability of drawing a red ball.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I5, 9, 5, 178)
{
    q.line(1, "У ящику лежать 4 білі кулі, 3 чорні та 5 червоних. Яка ймовірність того,");
    q.line(2, "що навмання вийнята куля виявиться червоною?");
    optionPictures(q, "O95", QSize(61, 66));

    q.solution([=](Steps &s) {
        s << "Усього куль 4 + 3 + 5 = 12, з них червоних 5 — сприятливих наслідків.";
        s << "Ймовірність — частка сприятливих наслідків серед усіх: P = 5/12.";
        s.answer("5/12");
    });
}
