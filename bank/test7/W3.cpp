// Question 3: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W3, 7, 3, 133)
{
    lineAt(q, 1, 10, 24, "Розв`яжіть нерівність");
    q.picture("Image1", "SpS\\Q73.bmp", 289, 2, 136, 83, true);
    pictures(q, "O73", QSize(164, 74), kFormulaLefts);
}
