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
}
