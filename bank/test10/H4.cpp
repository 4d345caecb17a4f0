// Question 4: the product of a sine and a cosine.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H4, 10, 4, 198)
{
    q.grid(wideGrid());
    q.line(1, "Обчисліть: sin 22,5°cos 22,5°");
    pictures(q,
             {"SpS\\O1041.bmp", "SpS\\O1042.bmp", "SpS\\O1043.bmp", "SpS\\O1044.bmp",
              "SpS\\O1045.bmp"},
             QSize(92, 109));
}
