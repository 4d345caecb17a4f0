// Question 8: the value of a derivative read off a graph.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L8, 3, 8, 54)
{
    q.grid(pictureGrid(289, 455));
    lineAt(q, 1, 10, 21, "Укажіть значення похідної функції y=f(x) ");
    lineAt(q, 2, 10, 70, "у точці з абсцисою х");
    q.label("Label8", 272, 86, smallFont(16)).text = "o"; // the index of the final х
    q.picture("Image1", "SpS\\Q83.bmp", 669, 5, 443, 281, true);
    pictures(q,
             {"SpS\\O8311.bmp", "SpS\\O8312.bmp", "SpS\\O8313.bmp", "SpS\\O8314.bmp",
              "SpS\\O8315.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "f′(x<sub>0</sub>) дорівнює кутовому коефіцієнту дотичної в точці x<sub>0</sub>.";
        s << "За рисунком дотична проходить через точки (0; 2) і (4; 4).";
        s << "k = (4 − 2)/(4 − 0) = 2/4 = 0,5.";
        s.answer("0,5");
    });
}
