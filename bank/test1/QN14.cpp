// Question 14 of Test 1: the function whose derivative's graph holds N(1;1).
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN14, 1, 14, 17)
{
    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 477, {1072, 9}});
    q.line(1, "Укажіть функцію, графіку похідної якої належить точка N(1;1)");
    q.line(2, "");
    q.line(3, "");

    q.textOptions({"lnx", "sinx", "x", "2", "x"}, 1);

    // Marks beside three of the slots: the exponent "3" of x, the exponent
    // "x" of 2, and the root sign before x.
    const int left3 = q.slotLabelOf(3).left;
    const int left4 = q.slotLabelOf(4).left;
    const int left5 = q.slotLabelOf(5).left;
    q.label("Label15", left3 + 20, 232, smallFont(19)).text = "3";
    q.addToForm(3, "^3");
    q.label("Label16", left4 + 20, 232, smallFont(19)).text = "x";
    q.addToForm(4, "^x");
    q.page().optionForms[4] = "√" + q.page().optionForms[4];
    q.picture("Image1", "SpS\\sqrt.bmp", left5 - 20, 240, 25, 41, true);

    q.solution([=](Steps &s) {
        s << "Точка N(1; 1) лежить на графіку похідної, коли f′(1) = 1.";
        s << "(ln x)′ = 1/x, і при x = 1 маємо 1/1 = 1: підходить.";
        s << "(sin x)′ = cos x, (x³)′ = 3x², (2<sup>x</sup>)′ = 2<sup>x</sup> ln 2, "
             "(√x)′ = 1/(2√x).";
        s << "При x = 1 вони дорівнюють cos 1 ≈ 0,54; 3; 2 ln 2 ≈ 1,39; 1/2, а не 1.";
        s.answer();
    });
}
