// Question 16: a quadratic inequality; its solution set is a picture that
// Test 7 shows too.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H16, 10, 16, 210)
{
    q.grid(wideGrid());
    lowLines(q, "Розвяжіть нерівність ");
    q.picture("Image1", "SpS\\Q1016.bmp", 308, 40, 155, 49, true);
    pictures(q,
             {"SpS\\O735.bmp", "SpS\\O10162.bmp", "SpS\\O10163.bmp", "SpS\\O10164.bmp",
              "SpS\\O10165.bmp"},
             QSize(164, 74));
}
