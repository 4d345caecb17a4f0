#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(SS19, 2, 19, 44)
{
    q.grid(rows(223, kNarrowLefts, 372));
    q.line(1, "Укажіть найбільше ціле число, яке НЕ є розвязком нерівності");
    q.picture("Image1", "SpS\\Q19.bmp", 832, 0, 149, 87);

    q.textOptions({"2", "3", "-2", "1", "не існує"}, 1);
}
