// Question 2: a computation.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y2, 8, 2, 153)
{
    q.grid(narrowGrid());
    // This window sets its lines lower, beside the tall expression; lines 2
    // to 5 stand empty.
    for (int n = 1; n <= 5; ++n)
        lineAt(q, n, 10, 54 + 32 * (n - 1), n == 1 ? "Обчисліть:" : "");
    q.picture("Image1", "SpS\\Q82.bmp", 211, 2, 103, 123, false);
    q.textOptions({"1", "3", "11", "7", "2"}, 1);
    q.solution([=](Steps &s) {
        s << "При множенні степенів показники додаються: 7<sup>3</sup> · 7<sup>8</sup> = "
             "7<sup>3 + 8</sup> = 7<sup>11</sup>.";
        s << "При діленні віднімаються: 7<sup>11</sup>/7<sup>11</sup> = 7<sup>11 − 11</sup> = "
             "7<sup>0</sup> = 1.";
        s.answer();
    });
}
