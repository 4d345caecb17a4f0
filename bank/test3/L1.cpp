// Question 1: a purchase with an integer price.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L1, 3, 1, 47)
{
    q.grid(textGrid());
    q.line(1, "Марійка купила декілька кілограмів лимонів за ціною 60 грн за кілограм і 3 кг ");
    q.line(2, "апельсинів. Укажіть можливу суму грошей, яку Марійка заплатила в касі, якщо ");
    q.line(3, "один кілограм апельсинів коштує ціле число гривень.");
    q.textOptions({"195", "160", "125", "175", "200"}, 1);
}
