// Question 8: the least integer solution of an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R8, 6, 8, 117)
{
    lineAt(q, 1, 24, "Укажіть найменший цілий розв`язок нерівності ");
    q.picture("Image1", "SpS\\Q68.bmp", 652, 7, 147, 61);
    pictures(q, optionFiles("O68"), QSize(135, 59));

    q.solution([=](Steps &s) {
        s << "8 = 2³ = (1/2)<sup>−3</sup>, тому нерівність має вигляд "
             "(1/2)<sup>x</sup> &lt; (1/2)<sup>−3</sup>.";
        s << "Основа 1/2 менша від 1, функція спадна, тому знак нерівності змінюється: x &gt; −3.";
        s << "Найменше ціле число, більше за −3, — це −2.";
        s.answer("−2");
    });
}
