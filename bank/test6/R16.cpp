// Question 16: a definite integral of an odd function over a symmetric interval.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R16, 6, 16, 125)
{
    lineAt(q, 1, 78, "Обчисліть інтеграл");
    q.picture("Image1", "SpS\\Q616.bmp", 252, 4, 111, 166);
    q.textOptions({"0", "4", "2", "8", "1"}, 1);
}
