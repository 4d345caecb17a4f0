// Question 8 of Test 1: which statements about circumscribed circles are true.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN8, 1, 8, 11)
{
    q.grid(Grid{kNarrowLefts, 223, {94, 290, 466, 634, 822}, 313, 399, {1072, 9}});
    // Statement I is false in both variants, II and III are true.
    q.textOptions({"Лише II i III", "Лише III", "Лише I і II", "Лише I і III", "I, II і III"}, 1);
    const int i = q.draw(1, 2);
    const int j = q.draw(1, 2);

    q.line(1, "Які з наведених тверджень є правильними?");
    q.line(2, i == 1 ? "I Навколо ромба можна описати коло."
                     : "I Навколо паралелограма можна описати коло.");
    q.line(3, j == 1 ? "II Навколо прямокутника можна описати коло."
                     : "II Навколо трикутника можна описати коло.");
    q.line(4, "III Радіус описаного навколо квадрата кола дорівнює половині");
    q.line(5, "діагоналі цього квадрата.");
}
