// Question 18: the volume of a ball from its diameter.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H18, 10, 18, 212)
{
    q.grid(wideGrid());
    lowLines(q, "Знайдіть об`єм повітряної кулі, діаметр якої дорівнює 6 м");
    pictures(q,
             {"SpS\\O10181.bmp", "SpS\\O10182.bmp", "SpS\\O10183.bmp", "SpS\\O10184.bmp",
              "SpS\\O10185.bmp"},
             QSize(172, 54), Lefts{25, 255, 485, 707, 937});

    q.solution([=](Steps &s) {
        s << "Радіус кулі r = 6/2 = 3 м.";
        s << "Об’єм кулі V = 4/3 · πr³.";
        s << "4/3 · 3³ = 4/3 · 27 = 36, тому V = 36π м³.";
        s.answer("36π м³");
    });
}
