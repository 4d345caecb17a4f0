// Question 6: simplifying an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W6, 7, 6, 136)
{
    lineAt(q, 1, 10, 32, "Спростіть вираз");
    q.picture("Image1", "SpS\\Q76.bmp", 289, 2, 104, 93, true);
    pictures(q, "O76", QSize(104, 93), kExpressionLefts);
}
