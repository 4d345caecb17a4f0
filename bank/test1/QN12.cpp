// Question 12 of Test 1: the sum of three vectors along the edges of a cube.
#include "common.h"

using namespace vzt;

namespace {

struct Variant {
    const char *vectors;
    std::array<const char *, 5> options;
    const char *equal; // the summed vectors replaced by equal ones, end to end
    const char *chain; // the sum of the chain
};

// The apostrophe of the vertex names is ’.
const Variant kVariants[4] = {
    {"AD, A’B’ i BB’.", {"AC’", "CA’", "AB’", "BD’", "DB’"}, "A’B’ = DC, BB’ = CC’",
     "AD + DC + CC’ = AC’"},
    {"BC, B’A’ i BB’.", {"BD’", "CA’", "AB’", "CB’", "DB’"}, "B’A’ = CD, BB’ = DD’",
     "BC + CD + DD’ = BD’"},
    {"CD, D’A’ i BB’.", {"CA’", "AC’", "CB’", "BD’", "DB’"}, "D’A’ = DA, BB’ = AA’",
     "CD + DA + AA’ = CA’"},
    {"DA, A’B’ i BB’.", {"DB’", "DA’", "CB’", "BD’", "AB’"}, "A’B’ = AB",
     "DA + AB + BB’ = DB’"},
};

} // namespace

VZT_QUESTION(QN12, 1, 12, 15)
{
    const int n = q.draw(1, 4);
    const Variant &w = kVariants[n - 1];

    q.grid(Grid{kNarrowLefts, 161, {142, 301, 476, 635, 798}, 251, 370, {1072, 56}});
    q.line(1, "На рисунку зображено куб ABCDA’B’C’D’. Укажіть вектор, що є");
    q.line(2, QString("сумою векторів ") + w.vectors);
    q.line(3, "");

    q.textOptions({w.options[0], w.options[1], w.options[2], w.options[3], w.options[4]}, 1);

    q.picture("Image1", "SpS\\N5.bmp", 930, 220, 260, 211, true);

    q.solution([=](Steps &s) {
        s << QString("Замінимо вектори рівними (паралельні ребра куба, однаковий напрям): ") + w.equal +
                 ".";
        s << QString("За правилом многокутника ") + w.chain + ".";
        s.answer();
    });
}
