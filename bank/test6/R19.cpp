// Question 19: the graph that does not match its formula. Five large pictures
// in two rows, the instruction in four lines at the lower left.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R19, 6, 19, 128)
{
    static const std::array<QPoint, 5> letters{QPoint(64, 56), QPoint(464, 56), QPoint(846, 56),
                                               QPoint(432, 373), QPoint(818, 375)};
    static const std::array<QPoint, 5> boxes{QPoint(16, 88), QPoint(416, 88), QPoint(799, 88),
                                             QPoint(386, 415), QPoint(772, 415)};
    std::array<QRect, 5> rects;
    for (int k = 0; k < 5; ++k) {
        LabelItem &l = q.label(kLetterLabels[k]);
        l.left = letters[k].x();
        l.top = letters[k].y();
        rects[k] = QRect(boxes[k], QSize(330, 292));
    }
    lineAt(q, 1, 16, "На якому рисунку графік функції НЕ відповідає формулі?");
    q.pictureOptions(optionFiles("O619"), 1, rects, true);

    q.instructionLines({"Label5", "Label14", "Label9", "Label10"},
                       {"Знайдіть правильну відповідь,", "закрийте форму із запитанням",
                        "і введіть відповідь в основній", "формі"},
                       11, 386, 40);
    q.label("Label14").left = 10;

    q.solution([=](Steps &s) {
        s << "Графік y = (x − 1)² — парабола y = x², зсунута на 1 вправо, з вершиною в точці (1; 0).";
        s << "На рисунку з підписом y = (x − 1)² вершина в точці (−1; 0): це графік y = (x + 1)².";
        s << "Решта графіків відповідають своїм формулам: так, y = −2/x проходить через (1; −2) "
             "і (−1; 2).";
        s.answer("y = (x − 1)²");
    });
}
