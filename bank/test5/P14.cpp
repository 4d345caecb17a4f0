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

    q.solution([=](Steps &s) {
        s << "Ділимо на 2: cos x = −1/2.";
        s << "x = ±arccos(−1/2) + 2πn, n ∈ Z.";
        s << "arccos(−1/2) = π − arccos(1/2) = π − π/3 = 2π/3.";
        s.answer("x = ±2π/3 + 2πn, n ∈ Z");
    });
}
