// Question 19: the graph that does not fit its formula. The slots stand as
// large pictures in two rows, the instruction in four lines on the left.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L19, 3, 19, 65)
{
    q.grid(pictureGrid(289, 455));
    static const std::array<QPoint, 5> letters{QPoint(64, 56), QPoint(464, 56), QPoint(846, 56),
                                               QPoint(432, 373), QPoint(818, 375)};
    for (int k = 0; k < 5; ++k) {
        LabelItem &l = q.label(kLetterLabels[k]);
        l.left = letters[k].x();
        l.top = letters[k].y();
    }
    lineAt(q, 1, 10, 16,
           "На якому рисунку графік функції НЕ вдповідає формулі, якою задано функцію?");

    const QSize size(377, 285);
    q.pictureOptions({"SpS\\O1935.bmp", "SpS\\O1931.bmp", "SpS\\O1932.bmp", "SpS\\O1933.bmp",
                     "SpS\\O1934.bmp"}, 1,
                    {QRect(QPoint(16, 88), size), QRect(QPoint(416, 88), size),
                     QRect(QPoint(799, 88), size), QRect(QPoint(386, 415), size),
                     QRect(QPoint(772, 415), size)},
                    true);

    const Font f = instructionFont();
    q.label("Label5", 11, 386, f).text = "Знайдіть правильну відповідь,";
    q.label("Label14", 10, 426, f).text = "закрийте форму із запитанням";
    q.label("Label9", 11, 466, f).text = "і введіть відповідь в основній";
    q.label("Label10", 11, 506, f).text = "формі";

    q.solution([=](Steps &s) {
        s << "Графік y = |x − a| — «кут» з вершиною в точці (a; 0) на осі Ox.";
        s << "Для y = |x − 2| вершина має бути в точці (2; 0), а на рисунку вона в точці (−2; 0).";
        s << "Там побудовано графік y = |x + 2|; інші чотири графіки відповідають своїм формулам.";
        s.answer("y = |x − 2|");
    });
}
