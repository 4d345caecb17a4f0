// Question 7: an exponential inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P7, 5, 7, 95)
{
    lineAt(q, 1, 19, "Розв`яжіть нерівність ");
    q.picture("Image1", "SpS\\Q57.bmp", 350, 4, 177, 63);
    pictures(q, {"SpS\\O571.bmp", "SpS\\O572.bmp", "SpS\\O573.bmp", "SpS\\O574.bmp",
                 "SpS\\O575.bmp"},
             QSize(115, 44), 40);
}
