// Question 9: an inequality; its option 2 is option 2 of question 2.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M9, 4, 9, 76)
{
    q.grid(Grid{});
    lineAt(q, 1, 19, "Розвяжіть нерівність ");
    q.picture("Image1", "SpS\\Q94.bmp", 300, 4, 177, 63, true);
    pictures(q,
             {"SpS\\O494.bmp", "SpS\\O42.bmp", "SpS\\O493.bmp", "SpS\\O491.bmp", "SpS\\O495.bmp"},
             335, QSize(109, 47), kSmallBoxLefts);

    q.solution([=](Steps &s) {
        s << "Область визначення: x + 3 &gt; 0, тобто x &gt; −3.";
        s << "Запишемо −1 як логарифм: −1 = log<sub>0,2</sub> 5, бо 0,2<sup>−1</sup> = 5.";
        s << "Основа 0,2 &lt; 1, тому знак змінюється на протилежний: x + 3 ≤ 5, x ≤ 2.";
        s << "З урахуванням області визначення −3 &lt; x ≤ 2.";
        s.answer("(−3; 2]");
    });
}
