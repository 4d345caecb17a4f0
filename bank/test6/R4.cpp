// Question 4: pairs of two different cakes of three kinds: C(3, 2) = 3 guests.
// The cakes of a pair are said to be different ("різних"): with pairs of one
// kind allowed there would be six sets, and "6" is an option.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R4, 6, 4, 113)
{
    q.lines({"На свій день народження Дарина купила три сорти тістечок. Кожен гість отримав ",
             "по два різних тістечка, причому всі \"набори\" тістечок відрізнялись "
             "один від одного. ",
             "Яка найбільша кількість гостей могла прийти до Дарини?"});
    q.textOptions({"3", "4", "6", "8", "12"}, 1);

    q.solution([=](Steps &s) {
        s << "Набір — два різні сорти з трьох, порядок не важливий: це комбінації з 3 по 2.";
        s << "C<sub>3</sub><sup>2</sup> = (3 · 2)/2 = 3: набори 1 і 2, 1 і 3, 2 і 3.";
        s << "У кожного гостя свій набір, тому гостей щонайбільше 3.";
        s.answer();
    });
}
