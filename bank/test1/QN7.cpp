// Question 7 of Test 1: the function whose graph passes through both pictured points.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN7, 1, 7, 10)
{
    q.grid(Grid{kNarrowLefts, 161, kNarrowSlotLefts, 251, 356, {1072, 56}});
    q.line(1, "Укажіть функцію, графік якої проходить через дві зображені на рисунку точки.");
    q.line(2, "");
    q.line(3, "");

    // Code 5 draws as the modulus bar: option 1 reads y=-|x|.
    const QString bar(QChar(5));
    q.textOptions({"y=-" + bar + "x" + bar, "y=tgx", "y=lgx", "y=x", "y=-x"}, 1);

    q.picture("Image1", "SpS\\N2.bmp", 930, 220, 192, 273, false);

    q.solution([=](Steps &s) {
        s << "На рисунку позначено точки (−1; −1) і (2; −2).";
        s << "Для y = −|x|: −|−1| = −1 і −|2| = −2, тож обидві точки лежать на графіку.";
        s << "Через (2; −2) не проходять y = x і y = lg x, через (−1; −1) — y = −x і y = tg x.";
        s.answer();
    });
}
