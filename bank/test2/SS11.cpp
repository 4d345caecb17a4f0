#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(SS11, 2, 11, 36)
{
    q.grid(pictureRows(186, 467));
    q.line(1, "Укажіть взаємне розміщення графіка функції у=f(x) i графіка функції у=-f(x)");
    q.label("Label14", 10, 60).text = "за умови f(x) не дорівнює нулю.";

    q.pictureOptions({"SpS\\O112.bmp", "SpS\\O111.bmp", "SpS\\O113.bmp", "SpS\\O114.bmp",
                      "SpS\\O115.bmp"},
                     1, 262, QSize(200, 200), kPictureBoxLefts, false);

    q.solution([=](Steps &s) {
        s << "Точці (x; y) графіка y = f(x) відповідає точка (x; −y) графіка y = −f(x).";
        s << "Точки (x; y) і (x; −y) симетричні відносно осі Ox (f(x) ≠ 0, тож вони різні).";
        s << "Отже, графік y = −f(x) — це графік y = f(x), дзеркально відбитий відносно осі Ox.";
        s.answer("графіки y = f(x) і y = −f(x), симетричні відносно осі Ox");
    });
}
