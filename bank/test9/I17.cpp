// Question 17: the length of a median from the coordinates of the vertices.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I17, 9, 17, 190)
{
    q.line(1, "Дано три точки А(0;0), В(-6;3), С(2;-1). Знайдіть довжину медіани АD");
    q.line(2, "трикутника АВС, якщо точка D належить відрізку ВС.");
    optionPictures(q, "O917", QSize(132, 67));

    q.solution([=](Steps &s) {
        s << "Медіана AD сполучає вершину A із серединою D сторони BC.";
        s << "Координати середини: x<sub>D</sub> = (−6 + 2)/2 = −2, y<sub>D</sub> = (3 + (−1))/2 = 1.";
        s << "Довжина відрізка: AD = √((x<sub>D</sub> − x<sub>A</sub>)² + (y<sub>D</sub> − y<sub>A</sub>)²).";
        s << "AD = √((−2 − 0)² + (1 − 0)²) = √(4 + 1) = √5.";
        s.answer("√5");
    });
}
