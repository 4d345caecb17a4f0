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

    q.solution([=](Steps &s) {
        s << "8 = 2³, тому нерівність має вигляд 2<sup>x² − 2x</sup> &lt; 2³.";
        s << "Основа 2 &gt; 1, функція зростає: x² − 2x &lt; 3, тобто x² − 2x − 3 &lt; 0.";
        s << "D = (−2)² − 4 · 1 · (−3) = 16, x = (2 ± 4)/2: x<sub>1</sub> = −1, x<sub>2</sub> = 3.";
        s << "Вітки параболи напрямлені вгору, тому вона від’ємна між коренями: −1 &lt; x &lt; 3.";
        s.answer("(−1; 3)");
    });
}
