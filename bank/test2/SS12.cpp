#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// 6 vowels against 20 consonants: 30%.
VZT_QUESTION(SS12, 2, 12, 37)
{
    q.grid(rows(223, kNarrowLefts, 372));
    q.lines({"В англійському алфавіті 26 літер, 6 з них - голосні. Скільки процентів складають голосні",
              "літери від приголосних?"});

    q.textOptions({"30%", "20%", "35%", "40%", "25%"}, 1);

    q.solution([=](Steps &s) {
        s << "Приголосних літер 26 − 6 = 20.";
        s << "Голосні від приголосних: 6/20 = 3/10 = 0,3.";
        s << "У відсотках: 0,3 · 100 = 30, тобто 30 %.";
        s.answer();
    });
}
