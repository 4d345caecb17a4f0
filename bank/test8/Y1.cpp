// Question 1: the value of an expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y1, 8, 1, 152)
{
    q.grid(narrowGrid());
    // Lines 2 to 5 stand empty in this window.
    q.lines({"Знайдіть значення виразу ", "", "", "", ""});
    q.picture("Image1", "SpS\\Q81.bmp", 379, 2, 120, 50, false);
    q.textOptions({"6", "5", "75", "30", "2"}, 1);
    q.solution([=](Steps &s) {
        s << "Спочатку обчислимо підкореневий вираз: 75 · 12 = 900.";
        s << "√900 = 30, бо 30² = 900.";
        s << "Поділимо на 5: 30/5 = 6.";
        s.answer();
    });
}
