// Question 4: pairs chosen from four kinds.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L4, 3, 4, 50)
{
    q.grid(textGrid());
    q.line(1, "На свій день народження Іринка купила чотири сорти тістечок. Кожен гість отримав");
    q.line(2, "два різних тістечка, причому всі \"набори\" тістечок відрізнялись один від одного.");
    q.line(3, "Яка найбільша кількість гостей могла прийти до Іринки?");
    q.textOptions({"6", "10", "4", "8", "12"}, 1);
}
