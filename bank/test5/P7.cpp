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

    q.solution([=](Steps &s) {
        s << "9 = (1/3)<sup>−2</sup>, тому (1/3)<sup>x + 1</sup> ≥ (1/3)<sup>−2</sup>.";
        s << "Основа 1/3 &lt; 1, функція спадає, тож знак нерівності змінюється: x + 1 ≤ −2.";
        s << "Звідси x ≤ −2 − 1, тобто x ≤ −3.";
        s.answer("(−∞; −3]");
    });
}
