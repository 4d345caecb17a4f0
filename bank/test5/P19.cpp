// Question 19: an irrational equation, pictured right of the line.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P19, 5, 19, 107)
{
    lineAt(q, 1, 24, "Розв`яжіть рівняння");
    q.picture("Image1", "SpS\\Q519.bmp", 280, 14, 181, 47);
    pictures(q, {"SpS\\O5191.bmp", "SpS\\O5192.bmp", "SpS\\O5193.bmp", "SpS\\O5194.bmp",
                 "SpS\\O5195.bmp"},
             QSize(99, 77), 15);
}
