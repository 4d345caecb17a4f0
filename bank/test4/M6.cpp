// Question 6: pebbles laid out in heaps.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M6, 4, 6, 73)
{
    q.grid(Grid{});
    stackedLines(q, {"У Петрика було більше ніж 30, але менше ніж 50 камінчиків. Коли він розклав",
                     "камінчики у купки по 5 штук, то 1 камінчик залишився, а коли він розклав їх",
                     "у купки по 3 штуки, то залишилось 2 камінчики. Яка кількість камінчиків була",
                     "в Петрика?"});
    q.textOptions({"41", "45", "36", "46", "32"}, 1);
}
