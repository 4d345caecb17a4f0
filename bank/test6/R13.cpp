// Question 13: where an equation is defined, so may have a solution.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R13, 6, 13, 122)
{
    twoLines(q, "При яких значеннях змінної х рівняння", "може мати розв`язок?");
    q.picture("Image1", "SpS\\Q613.bmp", 524, 8, 139, 56);
    pictures(q, optionFiles("O613"), QSize(164, 74), Lefts{21, 249, 475, 706, 934});

    q.solution([=](Steps &s) {
        s << "Корінь √x визначений при x ≥ 0.";
        s << "Логарифм lg(5 − x) визначений при 5 − x &gt; 0, тобто при x &lt; 5.";
        s << "Рівняння може мати розв’язок лише там, де визначені обидві частини: 0 ≤ x &lt; 5.";
        s.answer("[0; 5)");
    });
}
