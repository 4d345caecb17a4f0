// Question 17: the plane through the midpoints of three edges at a vertex cuts
// off 1/48 of the cube.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R17, 6, 17, 126)
{
    q.lines({"Площина, яка проведена через середини трьох сторін куба, відтинає",
             "від неї частину. Знайдіть відношення відтятої частини",
             "до об`єму даного кубу."});
    q.picture("Image1", "SpS\\Q617.bmp", 748, 53, 326, 164);
    q.textOptions({"1:48", "1:24", "1:16", "1:8", "1:4"}, 1);

    q.solution([=](Steps &s) {
        s << "Площина відтинає від куба піраміду, ребра якої при вершині попарно перпендикулярні.";
        s << "Нехай ребро куба 4; ребра піраміди — його половини, по 2; V<sub>куба</sub> = 4³ = 64.";
        s << "V<sub>піраміди</sub> = 1/3 · S<sub>осн</sub> · h = 1/3 · (2 · 2)/2 · 2 = 4/3.";
        s << "Відношення об’ємів: (4/3)/64 = 4/192 = 1/48, тобто 1 : 48.";
        s.answer();
    });
}
