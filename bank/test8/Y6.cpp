// Question 6: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y6, 8, 6, 157)
{
    q.grid(Grid{});
    q.line(1, "Розвяжіть нерівність");
    q.picture("Image1", "SpS\\Q86.bmp", 350, 13, 173, 79);
    pictures(q, "O86", QSize(194, 58));
}
