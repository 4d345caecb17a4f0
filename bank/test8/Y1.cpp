// Question 1: the value of an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y1, 8, 1, 152)
{
    q.grid(narrowGrid());
    q.line(1, "Знайдіть значення виразу ");
    q.picture("Image1", "SpS\\Q81.bmp", 379, 2, 120, 50, false);
    q.textOptions({"6", "5", "75", "30", "2"}, 1);
}
