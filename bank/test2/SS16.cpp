#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// a² ≤ x² ≤ b²: the integers with a ≤ |x| ≤ b, b − a + 1 on each side of 0.
VZT_QUESTION(SS16, 2, 16, 41)
{
    q.grid(rows(223, kNarrowLefts, 372));
    const int a = q.draw(1, 2);
    const int b = q.draw(3, 5);

    // the two signs stand in the runs of blanks, the "2" is the exponent of Х
    q.picture("Image1", "SpS\\NN.bmp", 573, 16, 39, 43);
    q.picture("Image2", "SpS\\NN.bmp", 637, 16, 39, 43);
    q.label("Label14", 626, 0, smallFont(19)).text = "2";
    q.line(1, "Укажіть число цілих розв`язків нерівності " + num(a * a) + "      Х       " +
                  num(b * b));

    q.textOptions({num(2 * (b - a + 1)), "0", num(b - a), num(b - a + 1), num(2 * b + 1)}, 1);

    q.solution([=](Steps &s) {
        s << "Нерівність " + val(a * a) + " ≤ x² ≤ " + val(b * b) + " рівносильна нерівності " + val(a) +
                 " ≤ |x| ≤ " + val(b) + ".";
        s << "Цілих значень |x| від " + val(a) + " до " + val(b) + ": " + val(b) + " − " + val(a) +
                 " + 1 = " + val(b - a + 1) + ".";
        s << "Кожному значенню |x| відповідають два x, додатне і від’ємне; розв’язків 2 · " +
                 val(b - a + 1) + " = " + val(2 * (b - a + 1)) + ".";
        s.answer();
    });
}
