// Question 1: two robots make two parts in two minutes; four robots in four minutes.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R1, 6, 1, 110)
{
    q.lines({"Два роботи за дві хвилини виготовляють дві деталі. Скільки деталей",
             "виготовлять чотири таких самих роботи за чотири хвилини?"});
    q.textOptions({"8", "2", "4", "6", "16"}, 1);

    q.solution([=](Steps &s) {
        s << "Один робот за 2 хв виготовляє 2/2 = 1 деталь.";
        s << "Чотири роботи за ті самі 2 хв виготовляють 4 · 1 = 4 деталі.";
        s << "За 4 хв, тобто вдвічі довше, вони виготовлять 4 · 2 = 8 деталей.";
        s.answer();
    });
}
