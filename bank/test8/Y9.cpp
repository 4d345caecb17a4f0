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
    q.solution([=](Steps &s) {
        s << "Зведемо до основи 3: (1/3)<sup>x − 1</sup> = 3<sup>1 − x</sup>, а 9 = 3<sup>2</sup>.";
        s << "3<sup>1 − x</sup> &gt; 3<sup>2</sup>; основа 3 &gt; 1, тому знак нерівності "
             "зберігається: 1 − x &gt; 2.";
        s << "Звідси x &lt; −1.";
        s.answer("(−∞; −1)");
    });
}
