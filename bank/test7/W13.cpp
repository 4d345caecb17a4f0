// Question 13: choosing three delegates out of eight.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W13, 7, 13, 143)
{
    q.grid(narrowGrid());
    q.lines({"Із 8 співробітників відділу троє мають поїхати на конференцію. Скількома",
             "способами можна скласти таку групу делегатів?"});
    q.textOptions({"56", "6", "336", "3", "24"}, 1);
    q.solution([=](Steps &s) {
        s << "Порядок у групі не важливий, тому це кількість комбінацій із 8 по 3.";
        s << "C<sub>8</sub><sup>3</sup> = 8!/(3! · 5!) = (8 · 7 · 6)/(1 · 2 · 3) = 56.";
        s.answer();
    });
}
