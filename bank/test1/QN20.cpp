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

    q.solution([=](Steps &s) {
        s << "У точці максимуму похідна змінює знак з «+» на «−».";
        s << "За графіком f′(x) = 0 у трьох точках: x<sub>1</sub> &lt; 0, x = 0 і x<sub>2</sub> &gt; 0.";
        s << "У x<sub>1</sub> знак змінюється з «−» на «+»: це мінімум.";
        s << "У x = 0 графік лише дотикається до осі: знак «+» не змінюється, екстремуму немає.";
        s << "Лише в x<sub>2</sub> знак змінюється з «+» на «−»: максимум один.";
        s.answer();
    });
}
