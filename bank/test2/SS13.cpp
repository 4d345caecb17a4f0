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
}
