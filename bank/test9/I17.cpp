// Question 17: the length of a median from the coordinates of the vertices.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I17, 9, 17, 190)
{
    q.line(1, "Дано три точки А(0;0), В(-6;3), С(2;-1). Знайдіть довжину медіани АD");
    q.line(2, "трикутника АВС, якщо точка D належить відрізку ВС.");
    optionPictures(q, "O917", QSize(132, 67));
}
