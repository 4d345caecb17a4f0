// Question 9: an exponential inequality; its slot boxes are wider.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y9, 8, 9, 160)
{
    q.grid(Grid{});
    q.line(1, "Розвяжіть нерівність");
    q.picture("Image1", "SpS\\Q89.bmp", 297, 3, 143, 74);
    pictures(q, "O89", QSize(234, 52), Lefts{8, 244, 480, 715, 950});
}
