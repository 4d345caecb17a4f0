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
}
