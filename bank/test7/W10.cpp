// Question 10: a numeric expression.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W10, 7, 10, 140)
{
    // The narrow grid with the (empty) slot labels over the letters.
    q.grid(Grid{kNarrowLefts, 223, kNarrowLefts, 190, 372});
    lineAt(q, 1, 10, 72, "Обчисліть:");
    q.picture("Image1", "SpS\\Q710.bmp", 163, 16, 166, 137, false);
    q.pictureOptions(optionFiles("O710"), 1, 260, QSize(83, 92), Lefts{161, 311, 488, 648, 808},
                     true);
    q.solution([=](Steps &s) {
        s << "Розкладемо знаменник: 6<sup>6</sup> = 2<sup>6</sup> · 3<sup>6</sup>.";
        s << "Поділимо степені з однаковими основами: (2<sup>7</sup> · 3<sup>5</sup>)/(2<sup>6</sup> "
             "· 3<sup>6</sup>) = 2<sup>7 − 6</sup> · 3<sup>5 − 6</sup>.";
        s << "Отримаємо 2<sup>1</sup> · 3<sup>−1</sup> = 2/3.";
        s.answer("2/3");
    });
}
