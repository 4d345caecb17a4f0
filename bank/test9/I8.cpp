// Question 8: the antiderivative whose graph passes through a point.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I8, 9, 8, 181)
{
    // The function stands in the picture over the twelve blanks.
    linesFrom(q, 21, 32,
              {"Для функції" + blanks(12) + "знайдіть первісну F(x), графік якої",
               "проходить через точку А(1;1)"});
    q.picture("Image1", "SpS\\Q98.bmp", 163, 20, 81, 44);
    optionPictures(q, "O98", QSize(208, 45), kWideBoxLefts);

    q.solution([=](Steps &s) {
        s << "Загальний вигляд первісних для f(x) = 6x²: F(x) = 6 · x³/3 + C = 2x³ + C.";
        s << "Графік проходить через A(1; 1): F(1) = 2 · 1³ + C = 2 + C = 1.";
        s << "Звідси C = 1 − 2 = −1.";
        s.answer("F(x) = 2x³ − 1");
    });
}
