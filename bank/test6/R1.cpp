// Question 1: two robots make two parts in two minutes; four robots in four minutes.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R1, 6, 1, 110)
{
    q.lines({"Два роботи за дві хвилини виготовляють дві деталі. Скільки деталей",
             "виготовлять чотири таких самих роботи за чотири хвилини?"});
    q.textOptions({"8", "2", "4", "6", "16"}, 1);
}
