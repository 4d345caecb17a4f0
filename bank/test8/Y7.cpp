// Question 7: an inequality read off two graphs; its sign stands in the gap
// of line 3.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y7, 8, 7, 158)
{
    q.grid(Grid{});
    q.line(1, "На рисунку зображено графіки функцій y=f(x) i y=g(x), що задані на відрізку");
    q.line(2, "[-3;2]. Укажіть ті значення х, для яких виконується ");
    lineAt(q, 3, 10, 107, "нерівність f(x)" + QString(6, QLatin1Char(' ')) + "g(x)");
    q.picture("Image7", "SpS\\Q87.bmp", 690, 55, 398, 226);
    q.picture("Image1", "SpS\\NNN.bmp", 193, 101, 39, 43);
    pictures(q, "O87", QSize(148, 56));
    q.solution([=](Steps &s) {
        s << "Шукаємо x, за яких графік f лежить не нижче графіка g.";
        s << "За рисунком графіки перетинаються в точках (−2; 2) і (1; 5).";
        s << "Між ними пряма f вища за параболу g, наприклад f(0) = 4, g(0) = 3; поза ними — нижча.";
        s << "Нерівність нестрога, тому кінці −2 і 1 входять у відповідь.";
        s.answer("[−2; 1]");
    });
}
