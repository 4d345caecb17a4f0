// Question 6: the number of prize-winner trios of 8 runners (ordered
// placings, 8·7·6).
#include "common.h"

using namespace vzt;

VZT_QUESTION(P6, 5, 6, 94)
{
    q.lines({"У фіналі змагань із бігу на 100 м з бар`єрами беруть участь 8 жінок, три",
             "з яких стануть призерами. Скільки є варіантів таких трійок?"});
    q.textOptions({"336", "168", "3", "21", "56"}, 1);

    q.solution([=](Steps &s) {
        s << "Призери посідають перше, друге і третє місця, тож порядок у трійці важливий.";
        s << "Це розміщення з 8 по 3: A<sub>8</sub><sup>3</sup> = 8 · 7 · 6 = 336.";
        s.answer();
    });
}
