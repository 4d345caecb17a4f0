// Question 14: a trigonometric equation, written in the text.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P14, 5, 14, 102)
{
    q.line(1, "Розв`яжіть рівняння  2cos x=-1");
    pictures(q, {"SpS\\O5141.bmp", "SpS\\O5142.bmp", "SpS\\O5143.bmp", "SpS\\O5144.bmp",
                 "SpS\\O5145.bmp"},
             QSize(157, 111), 55);
}
