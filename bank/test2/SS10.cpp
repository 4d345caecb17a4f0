#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// The one window that opens at its designed size instead of maximized.
VZT_QUESTION(SS10, 2, 10, 35)
{
    q.page().maximized = false;
    q.page().normalGeometry = QRect(-8, -8, 1382, 744);
    q.grid(pictureRows(186, 467));
    q.line(1, "Укажіть ескіз графіка квадратичної функції у=х -х+2");
    q.label("Label14", 618, 8, smallFont(16)).text = "2"; // the exponent of the first х

    q.pictureOptions({"SpS\\O103.bmp", "SpS\\O102.bmp", "SpS\\O101.bmp", "SpS\\O104.bmp",
                      "SpS\\O105.bmp"},
                     1, 262, QSize(200, 200), kPictureBoxLefts, false);

    q.solution([=](Steps &s) {
        s << "y = x² − x + 2: a = 1 &gt; 0, тому вітки параболи напрямлені вгору.";
        s << "Абсциса вершини x<sub>0</sub> = −b/(2a) = 1/2 &gt; 0: вершина праворуч від осі Oy.";
        s << "D = (−1)² − 4 · 1 · 2 = −7 &lt; 0: парабола не перетинає вісь Ox.";
        s << "y(0) = 2: парабола перетинає вісь Oy в точці (0; 2).";
        s.answer("y = x² − x + 2");
    });
}
