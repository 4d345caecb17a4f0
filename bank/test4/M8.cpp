// Question 8: a derivative.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M8, 4, 8, 75)
{
    q.grid(Grid{});
    lineAt(q, 1, 48, "Знайдіть похідну функції ");
    q.picture("Image1", "SpS\\Q48.bmp", 334, 28, 164, 70, true);
    pictures(q, files("O48", {1, 2, 3, 4, 5}), 330, QSize(213, 82));
}
