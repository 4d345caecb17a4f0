// Question 6: the graph of an even function. Five large pictures in two
// rows, the instruction in four lines at the lower left.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I6, 9, 6, 179)
{
    q.line(1, "Укажіть рисунок на якому зображено графік парної функції.");
    twoRowPictureSlots(q,
                       {"SpS\\O961.bmp", "SpS\\O962.bmp", "SpS\\O963.bmp", "SpS\\O964.bmp",
                        "SpS\\O965.bmp"},
                       1, QSize(338, 263));

    q.solution([=](Steps &s) {
        s << "Функція парна, якщо її область визначення симетрична відносно 0 і f(−x) = f(x).";
        s << "Тоді її графік симетричний відносно осі Oy.";
        s << "Такий лише один графік: на ньому f(−2) = f(2) = −3, f(−3) = f(3) і т. д.";
        s << "Не підходять графік, симетричний відносно точки O, і парабола з віссю x = 1.";
        s << "Ще два графіки мають несиметричні області визначення [−3; +∞) і [−2; 3].";
        s.answer("графік, симетричний відносно осі Oy");
    });
}
