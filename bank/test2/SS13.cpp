#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// The chart below the options shows the gas used year by year.
VZT_QUESTION(SS13, 2, 13, 38)
{
    Grid g = rows(186, kOffsetSlotLefts, 544);
    g.instructionLeft = 3;
    q.grid(g);
    q.lines({"Які з наведених тверджень є правильними?",
              "I У 2005 р. використано в 1,5 разу більше газу, ніж у 2009 р.",
              "II Об`єми газу, спожитого щорічно з 2007 по 2013 рр., складають геометричну прогресію.",
              "III Об`єм газу, спожитого в 2011 р., більший за середнє арифметичне об`ємів газу,",
              "спожитого в 2007, 2009 і 2013 рр."});
    q.picture("Image1", "SpS\\Q13.bmp", 432, 323, 422, 204);

    q.textOptions({"Лише I і III", "Лише III", "Лише I і II", "Лише II i III", "I, II і III"}, 1);

    q.solution([=](Steps &s) {
        s << "I: за діаграмою у 2005 р. — 72, у 2009 р. — 48; 72 / 48 = 1,5, отже, I правильне.";
        s << "II: 54/60 = 9/10, а 48/54 = 8/9 — відношення різні, це не геометрична прогресія.";
        s << "III: (60 + 48 + 45) / 3 = 51, а в 2011 р. — 57 &gt; 51, отже, III правильне.";
        s.answer();
    });
}
