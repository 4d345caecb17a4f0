// Question 18: the difference of two numbers; two of its options are those
// of question 9.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L18, 3, 18, 64)
{
    q.grid(pictureGrid(289, 455));
    upperLines(q, "Знайдіть різницю чисел ");
    q.picture("Image1", "SpS\\Q183.bmp", 318, 12, 224, 70, true);
    pictures(q,
             {"SpS\\O93.bmp", "SpS\\O94.bmp", "SpS\\O1833.bmp", "SpS\\O1834.bmp",
              "SpS\\O1835.bmp"},
             330, QSize(115, 65), Lefts{39, 269, 499, 729, 959});

    q.solution([=](Steps &s) {
        s << "Різниця логарифмів з однаковою основою: log<sub>2</sub> b − log<sub>2</sub> c = "
             "log<sub>2</sub>(b/c).";
        s << "log<sub>2</sub> 48 − log<sub>2</sub> 6 = log<sub>2</sub>(48/6) = log<sub>2</sub> 8.";
        s << "log<sub>2</sub> 8 = 3, бо 2³ = 8.";
        s.answer("3");
    });
}
