// Question 6: a numerical expression with powers.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H6, 10, 6, 200)
{
    q.grid(wideGrid());
    lowLines(q, "Обчисліть: ");
    q.picture("Image1", "SpS\\Q106.bmp", 199, 9, 89, 110, true);
    pictures(q,
             {"SpS\\O1061.bmp", "SpS\\O1062.bmp", "SpS\\O1063.bmp", "SpS\\O1064.bmp",
              "SpS\\O1065.bmp"},
             QSize(52, 62));
}
