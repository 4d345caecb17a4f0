// Question 7: the graph of an even function. Five large pictures in two
// rows, the instruction in four lines on the left.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W7, 7, 7, 137)
{
    lineAt(q, 1, 10, 16, "Укажіть рисунок на якому зображено графік парної функції.");
    lettersAt(q, {QPoint(64, 56), QPoint(464, 56), QPoint(846, 56), QPoint(432, 373),
                  QPoint(818, 375)});
    picturesAt(q, "O77", QSize(293, 236),
               {QPoint(16, 88), QPoint(416, 88), QPoint(799, 88), QPoint(386, 415),
                QPoint(772, 415)});
    instructionAt(q, {"Label5", "Label14", "Label9", "Label10"},
                  {QPoint(11, 386), QPoint(10, 426), QPoint(11, 466), QPoint(11, 506)},
                  {"Знайдіть правильну відповідь,", "закрийте форму із запитанням",
                   "і введіть відповідь в основній", "формі"});
    q.solution([=](Steps &s) {
        s << "Функція парна, якщо f(−x) = f(x): її графік симетричний відносно осі Oy.";
        s << "Такий лише графік параболи з вершиною (0; 3): f(−1) = f(1) = 2, f(−2) = f(2) = −1.";
        s << "Парабола з вершиною (1; −2) і графік із кутом у точці (−1; −2) несиметричні "
             "відносно Oy.";
        s << "Кубічна парабола симетрична відносно початку координат, показникова крива — "
             "несиметрична.";
        s.answer("парабола з вершиною (0; 3), симетрична відносно осі Oy");
    });
}
