// Question 19: the fabric for a box, with an allowance for the seams.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y19, 8, 19, 171)
{
    q.grid(Grid{});
    q.lines({"Коробку з кришкою, що має форму прямокутного паралелепіпеда з вимірами 8 см,",
             "5 см і 4,5 см, обшивають матерією. Знайдіть площу матерії, якщо на шви йде",
             "10% від площі всієї тканини."});
    pictures(q, "O819", QSize(195, 62));

    q.solution([=](Steps &s) {
        s << "Площа поверхні коробки S = 2(ab + bc + ac).";
        s << "S = 2 · (8 · 5 + 5 · 4,5 + 8 · 4,5) = 2 · (40 + 22,5 + 36) = 197 см².";
        s << "На шви йде 10 %, тож поверхня коробки — це 90 % тканини: 0,9 · F = 197.";
        s << "F = 197/0,9 = 1970/9 ≈ 218,9 см².";
        s.answer("≈ 218,9 см²");
    });
}
