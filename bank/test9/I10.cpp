// Question 10: the signs of the parameters of a quadratic function from its
// graph.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I10, 9, 10, 183)
{
    linesFrom(q, 21, 32,
              {"На рисунку зображено графік функції", "Укажіть знаки параметрів a, b i c"});
    q.picture("Image1", "SpS\\Q910.bmp", 526, 20, 160, 46);
    q.picture("Image7", "SpS\\Q910b.bmp", 790, 49, 249, 183);
    optionPictures(q, "O910", QSize(98, 126), kWideBoxLefts);

    q.solution([=](Steps &s) {
        s << "Вітки параболи напрямлені вниз, тому a &lt; 0.";
        s << "Вершина x<sub>0</sub> = −b/(2a) праворуч від осі Oy: x<sub>0</sub> &gt; 0; "
             "при a &lt; 0 це дає b &gt; 0.";
        s << "Графік перетинає вісь Oy нижче від осі Ox: y(0) = c &lt; 0.";
        s.answer("a &lt; 0, b &gt; 0, c &lt; 0");
    });
}
