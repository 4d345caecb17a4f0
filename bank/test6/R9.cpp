// Question 9: the value of a function at x0, read off its graph.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R9, 6, 9, 118)
{
    Grid g;
    g.letterTop = 304;
    q.grid(g);
    lineAt(q, 1, 24, "Укажіть значення функції у=f(x) у точці з абсцисою х");
    // The index "о" of the final х, right behind it (the letter ends at 686
    // in the program's Tahoma; 697 would leave a gap of a blank and more).
    q.label("Label14", 688, 47, smallFont(12)).text = "о";
    q.picture("Image1", "SpS\\Q69.bmp", 740, 32, 351, 267);
    pictures(q, optionFiles("O69"), QSize(91, 83));

    q.solution([=](Steps &s) {
        s << "Позначка x<sub>0</sub> стоїть на одну клітинку ліворуч від O, тобто x<sub>0</sub> = −1.";
        s << "Пунктир від точки графіка над x<sub>0</sub> іде до осі y на висоті трьох клітинок: "
             "ордината 3.";
        s << "Отже, f(x<sub>0</sub>) = f(−1) = 3.";
        s.answer("3");
    });
}
