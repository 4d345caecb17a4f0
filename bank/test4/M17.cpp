// Question 17: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M17, 4, 17, 84)
{
    q.grid(Grid{});
    lineAt(q, 1, 19, "Розвяжіть нерівність ");
    q.picture("Image1", "SpS\\Q417.bmp", 300, 4, 153, 56, true);
    pictures(q, files("O417", {1, 2, 3, 4, 5}), 335, QSize(218, 42), kSmallBoxLefts);
}
