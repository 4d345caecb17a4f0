// Question 2: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M2, 4, 2, 69)
{
    q.grid(Grid{});
    q.picture("Image1", "SpS\\Q2.bmp", 310, 12, 101, 87, true);
    lineAt(q, 1, 41, "Розв`яжіть нерівність");
    pictures(q, files("O4", {1, 2, 3, 4, 5}));
}
