// Question 8: where one graph lies below another. The comparison sign stands
// in a small picture over the five blanks of line 3.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P8, 5, 8, 96)
{
    q.lines({"На рисунку зображено графік функцій y=f(x) та y=g(x), що задані на відрізку",
             "[-2;5]. Укажіть ті значення х, для яких"});
    lineAt(q, 3, 107, "виконується нерівність f(x)" + QString(5, QLatin1Char(' ')) + "g(x).");
    q.picture("Image7", "SpS\\MM.bmp", 356, 103, 39, 43);
    q.picture("Image1", "SpS\\Q58.bmp", 702, 44, 414, 234);
    pictures(q, {"SpS\\O581.bmp", "SpS\\O582.bmp", "SpS\\O583.bmp", "SpS\\O584.bmp",
                 "SpS\\O585.bmp"},
             QSize(166, 44), 52);

    q.solution([=](Steps &s) {
        s << "f(x) ≤ g(x) там, де графік y = f(x) лежить не вище від графіка y = g(x).";
        s << "За рисунком графіки перетинаються при x = −1 і x = 3: f(−1) = g(−1) = 2, f(3) = g(3) = 3.";
        s << "На (−1; 3) графік f вище: наприклад, f(1) = 4, а g(1) = 2,5.";
        s << "На відрізках [−2; −1] і [3; 5] графік f не вище від графіка g.";
        s.answer("[−2; −1] ∪ [3; 5]");
    });
}
