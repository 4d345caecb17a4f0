// Question 13: an equation; three of its options are those of question 12.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L13, 3, 13, 59)
{
    q.grid(pictureGrid(289, 455));
    q.picture("Image1", "SpS\\Q133.bmp", 336, 2, 218, 66, true);
    upperLines(q, "Розв`яжіть рівняння ");
    pictures(q,
             {"SpS\\O122.bmp", "SpS\\O125.bmp", "SpS\\O121.bmp", "SpS\\O123.bmp", "SpS\\O131.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "За формулою косинуса подвійного кута cos²x − sin²x = cos 2x.";
        s << "Рівняння cos 2x = 1 дає 2x = 2πn, n ∈ Z.";
        s << "Поділимо на 2: x = πn, n ∈ Z.";
        s.answer("x = πn, n ∈ Z");
    });
}
