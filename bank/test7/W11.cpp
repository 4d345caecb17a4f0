// Question 11: the general antiderivative. The option pictures stand in two
// rows, the instruction in three lines on the left.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W11, 7, 11, 141)
{
    q.grid(Grid{kNarrowLefts, 223, kNarrowLefts, 190, 372}); // the slot labels stay empty
    lettersAt(q, {QPoint(77, 223), QPoint(391, 223), QPoint(638, 223), QPoint(576, 356),
                  QPoint(879, 355)});
    lineAt(q, 1, 10, 72, "Укажіть загальний вигляд первісної функції y=2x");
    picturesAt(q, "O711", QSize(228, 82),
               {QPoint(10, 260), QPoint(320, 260), QPoint(568, 260), QPoint(505, 393),
                QPoint(808, 392)});
    instructionAt(q, {"Label5", "Label16", "Label15"},
                  {QPoint(11, 372), QPoint(11, 408), QPoint(11, 440)},
                  {"Знайдіть правильну відповідь, ", "закрийте форму із запитанням і ",
                   "введіть відповідь в основній формі"});
    q.solution([=](Steps &s) {
        s << "F — первісна функції f, якщо F′(x) = f(x).";
        s << "(x²)′ = 2x, тому x² — одна з первісних функції y = 2x.";
        s << "Усі первісні відрізняються від неї на сталу: F(x) = x² + C, де C — довільне число.";
        s.answer("F(x) = x² + C");
    });
}
