// Question 8: expressing a variable from a formula.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y8, 8, 8, 159)
{
    q.grid(Grid{});
    q.line(1, "Виразіть b, якщо");
    q.picture("Image1", "SpS\\Q88.bmp", 243, 3, 143, 74);
    pictures(q, "O88", QSize(143, 74));
    q.solution([=](Steps &s) {
        s << "Помножимо обидві частини на 2: 2S = (a + b)h.";
        s << "Поділимо на h: a + b = 2S/h.";
        s << "Перенесемо a в праву частину: b = 2S/h − a.";
        s.answer("b = 2S/h − a");
    });
}
