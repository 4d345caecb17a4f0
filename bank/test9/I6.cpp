// Question 6: the graph of an even function. Five large pictures in two
// rows, the instruction in four lines at the lower left.
#include "common.h"

#include <QPoint>
#include <QRect>

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I6, 9, 6, 179)
{
    static const std::array<QPoint, 5> letters{QPoint(64, 56), QPoint(464, 56), QPoint(846, 56),
                                               QPoint(432, 373), QPoint(818, 375)};
    static const std::array<QPoint, 5> boxes{QPoint(16, 88), QPoint(416, 88), QPoint(799, 88),
                                             QPoint(386, 415), QPoint(772, 415)};
    std::array<QRect, 5> frames;
    for (int k = 0; k < 5; ++k) {
        LabelItem &l = q.label(kLetterLabels[k]);
        l.left = letters[k].x();
        l.top = letters[k].y();
        frames[k] = QRect(boxes[k], QSize(338, 263));
    }
    q.line(1, "Укажіть рисунок на якому зображено графік парної функції.");
    q.pictureOptions({"SpS\\O961.bmp", "SpS\\O962.bmp", "SpS\\O963.bmp", "SpS\\O964.bmp",
                     "SpS\\O965.bmp"}, 1, frames, true);

    q.instructionLines({"Label5", "Label14", "Label9", "Label10"},
                       {"Знайдіть правильну відповідь,", "закрийте форму із запитанням",
                        "і введіть відповідь в основній", "формі"},
                       11, 386, 40);
    q.label("Label14").left = 10;
}
