// Question 1: an expression under a condition.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M1, 4, 1, 68)
{
    q.grid(Grid{});
    // The condition stands in the picture over the run of blanks.
    lineAt(q, 1, 21, "Якщо" + QString(22, QLatin1Char(' ')) + ", то у= ");
    q.picture("Image1", "SpS\\Q1.bmp", 101, 12, 112, 62, true);
    pictures(q, files("OO", {1, 2, 3, 4, 5}));
}
