// Question 7: a graph through a given point.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L7, 3, 7, 53)
{
    q.grid(pictureGrid(261, 435));
    lineAt(q, 1, 10, 21, "Укажіть функцію, графік якої може проходити через точку N.");
    q.picture("Image1", "SpS\\N13.bmp", 847, 52, 181, 160, true);
    pictures(q,
             {"SpS\\O831.bmp", "SpS\\O832.bmp", "SpS\\O833.bmp", "SpS\\O834.bmp", "SpS\\O835.bmp"},
             310);

    q.solution([=](Steps &s) {
        s << "Точка N лежить у IV чверті: її абсциса x &gt; 0, а ордината y &lt; 0.";
        s << "При x &gt; 0 маємо 2<sup>x</sup> &gt; 0, √x &gt; 0, x² &gt; 0, 1/x &gt; 0: "
             "ці графіки лежать вище осі Ox.";
        s << "log<sub>2</sub> x &lt; 0 при 0 &lt; x &lt; 1, тож цей графік проходить через IV чверть.";
        s.answer("y = log<sub>2</sub> x");
    });
}
