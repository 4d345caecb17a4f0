// Question 12: a numerical expression with square roots.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H12, 10, 12, 206)
{
    q.grid(wideGrid());
    lowLines(q, "Обчисліть: ");
    q.picture("Image1", "SpS\\Q1012.bmp", 199, 9, 207, 103, true);
    pictures(q,
             {"SpS\\O10121.bmp", "SpS\\O10122.bmp", "SpS\\O10123.bmp", "SpS\\O10124.bmp",
              "SpS\\O10125.bmp"},
             QSize(99, 83));
}
