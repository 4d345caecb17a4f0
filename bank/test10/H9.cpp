// Question 9: the centre of the circle circumscribed about a right triangle.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H9, 10, 9, 203)
{
    q.grid(wideGrid());
    lowLines(q, "Виберіть таке закінчення речення, щоб утворилося правильне твердження.",
             "\"Центром кола, описаного навколо прямокутного трикутника, є...\"");
    pictures(q,
             {"SpS\\O1091.bmp", "SpS\\O1092.bmp", "SpS\\O1093.bmp", "SpS\\O1094.bmp",
              "SpS\\O1095.bmp"},
             QSize(158, 100));

    q.solution([=](Steps &s) {
        s << "Вписаний прямий кут спирається на діаметр кола.";
        s << "Отже, гіпотенуза прямокутного трикутника — діаметр описаного кола.";
        s << "Центр кола — середина діаметра, тобто середина гіпотенузи.";
        s.answer("середина гіпотенузи");
    });
}
