// Question 2: the perimeter of a similar isosceles triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W2, 7, 2, 132)
{
    q.lines({"Основи двох рівнобедрених трикутників із рівними гострими кутами при вершині",
             "дорівнюють 15 см і 5 см. В одному з трикутників бічна сторона дорівнює 7 см.",
             "Знайдіть периметр другого трикутника."});
    pictures(q, "O72", QSize(136, 83), Lefts{37, 263, 488, 721, 952}, 330);
}
