#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// Opened by button "5".
VZT_QUESTION(S4, 2, 5, 29)
{
    q.grid(rows(223, kOffsetSlotLefts, 399));
    q.lines({"Які з наведених тверджень є правильними?",
              "I Якщо пряма перпендикулярна до двох прямих, які лежать в одній площині, то ця пряма",
              "перпендикулярна до цієї площини.",
              "II Кут між прямою і площиною - це кут між прямою та її проекцією на цю площину.",
              "III Через пряму і точку можна провести єдину площину."});

    q.textOptions({"Лише II i III", "Лише III", "Лише I і II", "Лише I і III", "I, II і III"}, 1);
}
