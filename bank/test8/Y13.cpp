// Question 13: true statements of solid geometry, in seven lines with the
// slots in small type.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y13, 8, 13, 164)
{
    Grid g{kNarrowLefts, 294, Lefts{118, 290, 466, 634, 822}, 384, 435};
    g.instructionLeft = 3;
    q.grid(g);
    for (const QString &slot : kSlotLabels)
        q.label(slot).font = smallFont(19);

    q.lines({"Які з наведених тверджень є правильними?",
             "I Через дві прямі простору можна провести єдину площину.",
             "II Якщо дві точки належать площині а, то й пряма, що проходить через ці дві точки,",
             "належить площині а.",
             "III Через три точки можна провести єдину площину."});
    q.label("Label17", 10, 176).text =
        "IV Через точку Q, що не належить площині а, можна провести тільки одну пряму, ";
    q.label("Label18", 10, 208).text = "паралельну площині а.";

    // "i" is Latin in options 2 and 4, the Ukrainian "і" in options 3 and 5.
    q.textOptions({"Лише II", "Лише I, II i III", "Лише I і IV", "Лише II i III",
                   "Лише II, III і IV"},
                  1);

    q.solution([=](Steps &s) {
        s << "I — хибне: через дві мимобіжні прямі не можна провести жодної площини.";
        s << "II — правильне: це аксіома (пряма, дві точки якої лежать у площині, лежить у ній).";
        s << "III — хибне: через три точки однієї прямої можна провести безліч площин.";
        s << "IV — хибне: таких прямих безліч (усі прямі через Q у площині, паралельній а).";
        s.answer();
    });
}
