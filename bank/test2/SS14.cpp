#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(SS14, 2, 14, 39)
{
    q.grid(rows(223, kNarrowLefts, 372));
    q.lines({"В рівнобедрений прямокутний трикутник АВС вписано ромб ANKP.",
              "Знайдіть тупий кут ромба."});
    q.picture("Image1", "SpS\\Q14.bmp", 848, 64, 211, 136, false);

    q.textOptions({"135°", "90°", "100°", "140°", "120°"}, 1);
}
