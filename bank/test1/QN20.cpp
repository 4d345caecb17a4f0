// Question 20 of Test 1: the number of maxima of f read off the graph of f'.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN20, 1, 20, 23)
{
    q.grid(Grid{kNarrowLefts, 161, kNarrowLefts, 251, 415, {1072, 56}});
    q.line(1, "На рисунку зображено графік похідної функції у=f(x), визначеної на проміжку (а;b).");
    q.line(2, "Укажіть кількість максимумів функції f(x) на вказаному проміжку.");
    q.line(3, "");

    q.textOptions({"1", "0", "2", "3", "4"}, 1);

    q.picture("Image1", "SpS\\N7.bmp", 930, 200, 260, 211, true);
}
