// Question 3: the true inequality among five.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y3, 8, 3, 154)
{
    q.grid(Grid{});
    q.line(1, "Укажіть правильну нерівність");
    pictures(q, "O83", QSize(184, 78), kBoxLefts, "a");
}
