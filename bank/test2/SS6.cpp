#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// The right answer is option 4; option 5, one third, is a stacked fraction.
VZT_QUESTION(SS6, 2, 6, 31)
{
    q.grid(rows(205, kNarrowSlotLefts, 362));
    q.label("Label1", 10, 70).text = "Обчисліть: ";
    q.picture("Image2", "SpS\\N12.bmp", 265, 23, 188, 138);

    q.textOptions({"-1", "2", "3", "1", "1/3"}, 4);
    q.stackedFraction(5, "1", "3");

    q.solution([=](Steps &s) {
        s << "27<sup>2/3</sup> = (∛27)² = 3² = 9; 3<sup>−1</sup> = 1/3; √9 = 3.";
        s << "Отже, вираз дорівнює 9 · 3<sup>−1</sup> / 3 = 3 / 3 = 1.";
        s.answer();
    });
}
