// Question 10: the probability of opening a page with a picture. Options 4
// and 5 are the pictures of question 3's option 3 and question 2's option 1.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P10, 5, 10, 98)
{
    q.lines({"У книжці, яка є в Миколки, 24 сторінки. Картинки є на 8 з них. Миколка",
             "навмання відкриває книжку. Яка ймовірність того, що на відкритій сторінці",
             "буде картинка?"});
    pictures(q, {"SpS\\O5101.bmp", "SpS\\O5102.bmp", "SpS\\O5103.bmp", "SpS\\O533.bmp",
                 "SpS\\O521.bmp"},
             QSize(81, 84), 2);

    q.solution([=](Steps &s) {
        s << "Рівноможливих випадків 24 (усі сторінки), сприятливих 8 (сторінки з картинками).";
        s << "P = 8/24 = 1/3.";
        s.answer("1/3");
    });
}
