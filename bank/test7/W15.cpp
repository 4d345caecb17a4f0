// Question 15: the signs of a function's parameters read off its graph.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W15, 7, 15, 145)
{
    lineAt(q, 1, 10, 24, "На рисунку зображено графік функції ");
    q.picture("Image1", "SpS\\Q715s.bmp", 511, 14, 132, 42, true);
    lineAt(q, 2, 10, 63, "Укажіть знаки параметрів a i b.");
    q.picture("Image7", "SpS\\Q715.bmp", 690, 49, 410, 238, true);
    pictures(q, "O620", QSize(118, 108), Lefts{54, 284, 513, 742, 972});
    q.solution([=](Steps &s) {
        s << "Вітки параболи напрямлені вниз, тому a &lt; 0.";
        s << "За графіком парабола перетинає вісь Ox у точках 0 і 4.";
        s << "Абсциса вершини посередині між ними: x<sub>0</sub> = (0 + 4)/2 = 2 &gt; 0.";
        s << "Але x<sub>0</sub> = −b/(2a); якщо −b/(2a) &gt; 0 і a &lt; 0, то b &gt; 0.";
        s.answer("a &lt; 0, b &gt; 0");
    });
}
