// Question 13: the distance from a vertex of a cube to a plane.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M13, 4, 13, 80)
{
    q.grid(Grid{});
    lineAt(q, 1, 48, "На рисунку зображено куб АВСDА'B'C'D'. Знайдіть відстань від");
    // The edge reads as the root of 2: the sign stands over the four blanks
    // and ends where the 2 begins (it would hide part of it further right).
    lineAt(q, 2, 126, "вершини В' до площини АА'С', якщо ребро куба дорівнює    2");
    rootSign(q, 736, 115);
    q.picture("Image1", "SpS\\N5.bmp", 842, 12, 227, 215, true);
    pictures(q, files("O413", {1, 2, 3, 4, 5}), 330, QSize(94, 68),
             Lefts{56, 286, 516, 746, 976});

    q.solution([=](Steps &s) {
        s << "Площина AA'C' — діагональний переріз AA'C'C, перпендикулярний до грані A'B'C'D'.";
        s << "Тому відстань від B' до площини — це перпендикуляр B'O' до A'C' (O' — центр грані).";
        s << "Діагональ грані A'C' = √2·√2 = 2, а B'O' — половина діагоналі: 2/2 = 1.";
        s.answer("1");
    });
}
