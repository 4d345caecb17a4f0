// Question 16: the acceleration from a law of motion.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L16, 3, 16, 62)
{
    q.grid(pictureGrid(289, 455));
    // The law stands in the picture over the run of blanks.
    upperLines(q,
               "Тіло рухається прямолінійно за законом  " + QString(41, QLatin1Char(' '))
                   + "(t вимірюється у секундах,",
               "s у метрах). Визначте прискорення руху цього тіла в момент часу t=2 с.");
    q.picture("Image1", "SpS\\Q16.bmp", 546, 2, 266, 67, true);
    pictures(q,
             {"SpS\\O1631.bmp", "SpS\\O1632.bmp", "SpS\\O1633.bmp", "SpS\\O1634.bmp",
              "SpS\\O1635.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "Швидкість — похідна шляху: v(t) = s′(t) = 3t² + 6t − 2.";
        s << "Прискорення — похідна швидкості: a(t) = v′(t) = 6t + 6.";
        s << "a(2) = 6·2 + 6 = 18 м/с².";
        s.answer("18 м/с²");
    });
}
