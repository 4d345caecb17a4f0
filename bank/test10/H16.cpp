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

    q.solution([=](Steps &s) {
        s << "Розв’яжемо x² + x − 6 = 0: D = 1² − 4 · 1 · (−6) = 25.";
        s << "x<sub>1</sub> = (−1 − 5)/2 = −3, x<sub>2</sub> = (−1 + 5)/2 = 2.";
        s << "Вітки параболи y = x² + x − 6 напрямлені вгору, тож y &gt; 0 поза коренями:";
        s << "x &lt; −3 або x &gt; 2.";
        s.answer("(−∞; −3) ∪ (2; +∞)");
    });
}
