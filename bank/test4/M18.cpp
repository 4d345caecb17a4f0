// Question 18: the volume of a cylindrical tank.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M18, 4, 18, 85)
{
    q.grid(Grid{});
    lineAt(q, 2, 105, "дорівнює висоті і становить 10 м.");
    lineAt(q, 1, 48, "Знайдіть об`єм нафтової цистерни, яка має форму циліндра, якщо її діаиетр");
    pictures(q, files("O418", {1, 2, 3, 4, 5}), 330, QSize(163, 69), kWideBoxLefts);

    q.solution([=](Steps &s) {
        s << "Об’єм циліндра V = πr²h, де r — радіус основи, h — висота.";
        s << "Діаметр 10 м, тож r = 10/2 = 5 м; висота h = 10 м.";
        s << "r²h = 5² · 10 = 250, отже V = 250π м³.";
        s.answer("250π м³");
    });
}
