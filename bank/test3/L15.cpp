// Question 15: a probability from a ratio. Its text runs over four lines, the
// last two in the labels that other windows use for slots А and Б.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L15, 3, 15, 61)
{
    q.grid(pictureGrid(289, 455));
    upperLines(q,
               "Червона шапочка несла бабусі 14 пиріжків, однакових на вигляд. Кількість пиріжків",
               "з м`ясом відносилась до кількості пиріжків з грибами й до кількості пиріжків з");
    q.label("Label9", 10, 119).text =
        "капустою як 2:2:3. Дорогою дівчинка зголодніла й вирішила з`їсти один пиріжок.";
    q.label("Label10", 10, 167).text =
        "Яка ймовірність того, що перший навмання витягнутий пиріжок буде з м`ясом?";

    std::array<QRect, 5> boxes;
    for (int k = 0; k < 5; ++k)
        boxes[k] = QRect(QPoint(kBoxLefts[k], 330), kBoxSize);
    q.pictureOptions({"SpS\\O151.bmp", "SpS\\O152.bmp", "SpS\\O153.bmp", "SpS\\O154.bmp",
                     "SpS\\O155.bmp"}, 1,
                    boxes, false);

    q.solution([=](Steps &s) {
        s << "Усього частин 2 + 2 + 3 = 7, на одну частину припадає 14/7 = 2 пиріжки.";
        s << "Пиріжків з м'ясом 2·2 = 4.";
        s << "Ймовірність P = 4/14 = 2/7.";
        s.answer("2/7");
    });
}
