// Question 2: a computation.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y2, 8, 2, 153)
{
    q.grid(narrowGrid());
    // This window sets its lines lower, beside the tall expression.
    lineAt(q, 1, 10, 54, "Обчисліть:");
    lineAt(q, 2, 10, 86, QString());
    lineAt(q, 3, 10, 118, QString());
    q.picture("Image1", "SpS\\Q82.bmp", 211, 2, 103, 123, false);
    q.textOptions({"1", "3", "11", "7", "2"}, 1);
}
