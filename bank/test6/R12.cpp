// Question 12: the root of an irrational equation; 5 (O91) is the root that
// squaring adds.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R12, 6, 12, 121)
{
    twoLines(q, "Укажіть корінь рівняння ");
    q.picture("Image1", "SpS\\Q612.bmp", 348, 3, 193, 78);
    QStringList files = optionFiles("O612");
    files[4] = "SpS\\O91.bmp";
    pictures(q, files, QSize(164, 88), Lefts{21, 249, 475, 706, 934});

    q.solution([=](Steps &s) {
        s << "Підносимо обидві частини до квадрата: x + 4 = 4 − 4x + x².";
        s << "Звідси x² − 5x = 0, x(x − 5) = 0, тобто x = 0 або x = 5.";
        s << "Перевірка x = 0: √4 = 2 і 2 − 0 = 2, отже, 0 — корінь.";
        s << "Перевірка x = 5: √9 = 3, а 2 − 5 = −3, тож 5 — сторонній корінь.";
        s.answer("0");
    });
}
