// Question 20: the volume of the pyramid ABCB` cut from a rectangular box.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I20, 9, 20, 193)
{
    const int b = q.draw(2, 16);
    const int m = 10 * b; // the box's volume is 6m

    q.lines({"О`бєм прямокутного паралелепіпеда ABCDA`B`C`D`",
             "дорівнює " + QString::number(6 * m) + ". Знайдіть об`єм трикутної піраміди ",
             "АВСВ`"});
    q.picture("Image1", "SpS\\Q920.bmp", 793, 1, 308, 258);
    q.textOptions({QString::number(m), QString::number(m / 2), QString::number(2 * m),
                   QString::number(3 * m), QString::number(3 * m / 2)},
                  1);

    q.solution([=](Steps &s) {
        s << "Основа піраміди ABCB′ — трикутник ABC, половина прямокутника ABCD; висота — ребро BB′.";
        s << "V = 1/3 · S<sub>ABC</sub> · BB′ = 1/3 · 1/2 · S<sub>ABCD</sub> · BB′, а 1/3 · 1/2 = 1/6.";
        s << "Отже, об’єм піраміди становить 1/6 об’єму паралелепіпеда: V = V<sub>пар</sub>/6.";
        s << "V = " + val(6 * m) + "/6 = " + val(m) + ".";
        s.answer();
    });
}
