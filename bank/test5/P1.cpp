// Question 1: the value of an expression shown as a picture.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P1, 5, 1, 89)
{
    lineAt(q, 1, 19, "Знайдіть значення виразу ");
    q.picture("Image1", "SpS\\Q51.bmp", 350, 4, 120, 52);
    pictures(q, {"SpS\\O512.bmp", "SpS\\O511.bmp", "SpS\\O513.bmp", "SpS\\O514.bmp",
                 "SpS\\O515.bmp"},
             QSize(99, 49), 20);

    q.solution([=](Steps &s) {
        s << "Виносимо множник з-під кореня: 50 = 25 · 2, 8 = 4 · 2.";
        s << "√50 = 5√2, √8 = 2√2.";
        s << "√50 − √8 = 5√2 − 2√2 = 3√2.";
        s.answer("3√2");
    });
}
