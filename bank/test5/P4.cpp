// Question 4: the one true inequality of five.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P4, 5, 4, 92)
{
    q.line(1, "Укажіть правильну нерівність");
    pictures(q, {"SpS\\O541.bmp", "SpS\\O542.bmp", "SpS\\O543.bmp", "SpS\\O544.bmp",
                 "SpS\\O545.bmp"},
             QSize(163, 65), 42);

    q.solution([=](Steps &s) {
        s << "Основа 0,5 &lt; 1, логарифм спадає, і 3 &gt; 1: log<sub>0,5</sub> 3 &lt; log<sub>0,5</sub> 1 = 0. Правильна.";
        s << "(1/3)<sup>−2</sup> = 3² = 9 &gt; 1, а √17 &gt; √16 = 4: обидві нерівності хибні.";
        s << "2<sup>−3</sup> = 1/8 = 0,125 &lt; 0,2 — хибна.";
        s << "sin(3π/4) = √2/2 &gt; 0 — теж хибна.";
        s.answer("log<sub>0,5</sub> 3 &lt; 0");
    });
}
