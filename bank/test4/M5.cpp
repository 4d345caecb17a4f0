// Question 5: a computation.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M5, 4, 5, 72)
{
    q.grid(Grid{});
    lineAt(q, 1, 48, "Обчисліть:");
    q.picture("Image1", "SpS\\Q45.bmp", 195, 12, 92, 105, true);
    pictures(q, files("O45", {1, 2, 3, 4, 5}));
}
