// Question 13 of Test 1: the distance from a point N to the line AD.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN13, 1, 13, 16)
{
    q.grid(Grid{kNarrowLefts, 161, kNarrowLefts, 251, 415, {1072, 56}});
    q.line(1, "На рисунку зображено прямокутник ABCD, пряма BN перпендикулярна до його площини.");
    q.line(2, "Укажіть найкоротшу відстань від точки N до прямої AD.");
    q.line(3, "");

    q.textOptions({"AN", "NR", "DN", "CN", "NB"}, 1);

    q.picture("Image1", "SpS\\N6.bmp", 930, 200, 260, 211, true);

    q.solution([=](Steps &s) {
        s << "Відстань від точки до прямої — довжина перпендикуляра, опущеного на цю пряму.";
        s << "BN ⊥ (ABC), тому AB — проекція похилої NA на площину прямокутника.";
        s << "AB ⊥ AD (ABCD — прямокутник), тож за теоремою про три перпендикуляри NA ⊥ AD.";
        s << "Отже, шукана відстань — довжина відрізка AN.";
        s.answer();
    });
}
