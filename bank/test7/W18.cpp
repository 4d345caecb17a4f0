// Question 18: the radius of the circle inscribed in a right triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W18, 7, 18, 148)
{
    lineAt(q, 1, 10, 24, "Укажіть таке закінчення речення, щоб утворилось правильне твердження.");
    lineAt(q, 2, 10, 63, "\"Радіус вписаного в прямокутний трикутник кола дорівнює...\"");
    pictures(q, "O718", QSize(184, 78), Lefts{34, 264, 493, 722, 952});
}
