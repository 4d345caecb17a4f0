#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// P halves the radius OA, so NP = r·√3/2 and NP = √(3v²) gives r = 2v.
VZT_QUESTION(SS17, 2, 17, 42)
{
    q.grid(rows(223, kNarrowLefts, 372));
    const int v = q.draw(2, 5);

    q.line(1, "На рисунку зображено коло із центром у т. О. Точка N належить колу, NР       АВ,");
    q.line(2, "AP=PO. Знайдіть радіус кола, якщо NР=    " + num(3 * v * v));
    q.picture("Image2", "SpS\\PP.bmp", 939, 16, 45, 38);   // in the blanks of line 1
    // In the blanks of line 2. Line 1 stands only 32 px higher, too close
    // for the full-height sign: the box is 36 px high, so that it scales the
    // sign down to span the digits of line 2 without reaching line 1.
    q.picture("Image3", "SpS\\sqrt.bmp", 519, 40, 27, 36);
    q.picture("Image1", "SpS\\Q17.bmp", 848, 64, 213, 160, false);

    const QString fifth = v == 2 ? "5" : v == 5 ? "12" : "10";
    q.textOptions({num(2 * v), num(v), num(3 * v), num(4 * v), fifth}, 1);

    q.solution([=](Steps &s) {
        s << "Нехай r — радіус. AP = PO, тому OP = r/2; ON = r; трикутник OPN прямокутний.";
        s << "За теоремою Піфагора NP² = ON² − OP² = r² − r²/4 = 3r²/4.";
        s << "За умовою NP = √" + val(3 * v * v) + ", тобто NP² = " + val(3 * v * v) +
                 "; отже, 3r²/4 = " + val(3 * v * v) + ".";
        s << "r² = 4 · " + val(3 * v * v) + " / 3 = " + val(4 * v * v) + ", r = " + val(2 * v) + ".";
        s.answer();
    });
}
