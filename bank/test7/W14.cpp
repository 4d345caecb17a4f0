// Question 14: melting a cylinder into balls.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W14, 7, 14, 144)
{
    // The cylinder holds 32k·π; a ball of radius 2 holds 32π/3: 3k balls.
    const int k = q.draw(4, 9);

    q.grid(narrowGrid());
    // The unit (π см³) stands in the picture over the fifteen blanks.
    q.lines({"Металевий циліндр об`ємом " + QString::number(32 * k)
                 + "               переплавили в кульки однакового розміру, ",
             "радіус кожної з них дорівнює 2 см. Знайдіть кількість одержаних кульок (затратами ",
             "металу при переплавленні знехтуйте)."});
    q.picture("Image1", "SpS\\Q714.bmp", 426, 10, 98, 43, false);
    q.textOptions({QString::number(3 * k), QString::number(2 * k), QString::number(k),
                   QString::number(6 * k), QString::number(5 * k)},
                  1);
    q.solution([=](Steps &s) {
        s << "Об'єм кулі V = 4/3 · πR³; для однієї кульки 4/3 · π · 2³ = 32π/3 см³.";
        s << "Кількість кульок дорівнює об'єму циліндра, поділеному на об'єм однієї кульки:";
        s << "N = " + val(32 * k) + "π/(32π/3) = " + val(32 * k) + " · 3/32 = " + val(3 * k) + ".";
        s.answer();
    });
}
