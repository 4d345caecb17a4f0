// Question 20: the signs of the parameters of a function read off its graph.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P20, 5, 20, 108)
{
    lineAt(q, 1, 24, "На рисунку зображено графік функції ");
    q.picture("Image1", "SpS\\Q620.bmp", 511, 14, 136, 47);
    lineAt(q, 2, 56, "Укажіть знаки параметрів a i b.");
    q.picture("Image7", "SpS\\N15.bmp", 690, 52, 424, 213);
    pictures(q, {"SpS\\O6201.bmp", "SpS\\O6202.bmp", "SpS\\O6203.bmp", "SpS\\O6204.bmp",
                 "SpS\\O6205.bmp"},
             QSize(118, 108), 20);

    q.solution([=](Steps &s) {
        s << "Графік y = ax² + b — парабола з вершиною (0; b) на осі Oy.";
        s << "Вітки параболи напрямлені вниз, тому a &lt; 0.";
        s << "Вершина лежить на осі Oy вище від початку координат, тому b &gt; 0.";
        s.answer("a &lt; 0, b &gt; 0");
    });
}
