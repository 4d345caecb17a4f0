// Question 14: the equation without roots.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H14, 10, 14, 208)
{
    q.grid(wideGrid());
    lowLines(q, "Укажіть рівняння, яке НЕ має розв`язків");
    pictures(q,
             {"SpS\\O10141.bmp", "SpS\\O10142.bmp", "SpS\\O10143.bmp", "SpS\\O10144.bmp",
              "SpS\\O10145.bmp"},
             QSize(179, 108));
}
