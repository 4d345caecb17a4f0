// Question 7: the graph of an odd function. The slots stand as large
// pictures in two rows, the instruction in four lines on the left.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M7, 4, 7, 74)
{
    q.grid(Grid{});
    static const std::array<QPoint, 5> letters{QPoint(64, 56), QPoint(464, 56), QPoint(846, 56),
                                               QPoint(432, 373), QPoint(818, 375)};
    static const std::array<QPoint, 5> boxes{QPoint(16, 88), QPoint(416, 88), QPoint(799, 88),
                                             QPoint(386, 415), QPoint(772, 415)};
    std::array<QRect, 5> places;
    for (int k = 0; k < 5; ++k) {
        LabelItem &l = q.label(kLetterLabels[k]);
        l.left = letters[k].x();
        l.top = letters[k].y();
        places[k] = QRect(boxes[k], QSize(311, 254));
    }
    lineAt(q, 1, 16, "Укажіть рисунок на якому зображено графік непарної функції.");
    q.pictureOptions(files("O47", {1, 2, 3, 4, 5}), 1, places, true);

    const Font f = instructionFont();
    q.label("Label5", 11, 386, f).text = "Знайдіть правильну відповідь,";
    q.label("Label14", 10, 426, f).text = "закрийте форму із запитанням";
    q.label("Label9", 11, 466, f).text = "і введіть відповідь в основній";
    q.label("Label10", 11, 506, f).text = "формі";

    q.solution([=](Steps &s) {
        s << "Функція непарна, якщо f(−x) = −f(x): її графік симетричний відносно початку O.";
        s << "Такий графік проходить через O і переходить у себе при повороті на 180° навколо O.";
        s << "Лише одна крива така: через O(0; 0), (1; −1) і (−1; 1), (2; 1) і (−2; −1).";
        s << "Парабола симетрична відносно осі Oy, а три інші графіки не проходять через O.";
        s.answer("графік y = (x³ − 3x)/2");
    });
}
