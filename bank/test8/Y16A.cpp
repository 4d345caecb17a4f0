// Question 16: a ball recast into equal cones.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y16A, 8, 16, 168)
{
    const auto row = q.row("Ida\\VZT_10.txt", 10, 4);
    const long long R = row[0], r = row[1], h = row[2], N = row[3]; // N = 4R³/(r²h)

    q.grid(narrowGrid());
    q.lines({"Металеву кулю, радіус якої " + num(R)
                 + " см, переплавили в конуси однакового розміру з висотою " + num(h) + " см",
             "і радіусом основи " + num(r)
                 + " см. Скільки таких конусів одержали? Втратами металу при переплавленні",
             "знехтувати."});
    q.textOptions({num(N), num(2 * N), num(N / 2), num(N / 3), num(N / 6)}, 1);

    q.solution([=](Steps &s) {
        s << "Об’єм кулі 4/3 · πR³, об’єм конуса 1/3 · πr²h; об’єм металу не змінюється.";
        s << "Кількість конусів N = (4/3 · πR³) : (1/3 · πr²h) = 4R³/(r²h).";
        s << "N = 4 · " + val(R) + "³/(" + val(r) + "² · " + val(h) + ") = " + val(4 * R * R * R)
                 + "/" + val(r * r * h) + " = " + val(N) + ".";
        s.answer();
    });
}
