// Question 1: expressing a variable from a formula.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W1, 7, 1, 131)
{
    lineAt(q, 1, 10, 24, "Виразіть b, якщо ");
    q.picture("Image1", "SpS\\Q71.bmp", 232, 10, 94, 55, true);
    pictures(q, "O71", QSize(136, 83), kFormulaLefts);

    q.solution([=](Steps &s) {
        s << "Множимо обидві частини рівності на 2: 2a = 3b − c.";
        s << "Додаємо c до обох частин: 3b = 2a + c.";
        s << "Ділимо на 3: b = (2a + c)/3.";
        s.answer("b = (2a + c)/3");
    });
}
