// Question 13: the distance from a vertex of a box to the plane of its top
// face. The indices 1 stand in small labels under their letters.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H13, 10, 13, 207)
{
    q.grid(wideGrid());
    linesAt(q, {13, 55, 99},
            {"На рисунку зображено прямокутний паралелепіпед ABCDA B C D",
             "Знайдіть відстань від точки D до площини А В С  , якщо", "АВ=5, ВС=4, АА =10"});
    q.picture("Image7", "SpS\\Q1013.bmp", 853, 5, 239, 215, true);
    pictures(q,
             {"SpS\\O10131.bmp", "SpS\\O10132.bmp", "SpS\\O10133.bmp", "SpS\\O10134.bmp",
              "SpS\\O10135.bmp"},
             QSize(87, 56));
    // Label9 stands 2 px left of 569, so that with Tahoma's blank width its
    // last index falls right behind the "С" of line 2.
    const Font index = smallFont(19);
    q.label("Label15", 754, 37, index).text = "1  1  1  1";
    q.label("Label9", 567, 79, index).text = "1  1   1";
    q.label("Label10", 208, 121, index).text = "1";

    q.solution([=](Steps &s) {
        s << "Площина A<sub>1</sub>B<sub>1</sub>C<sub>1</sub> — площина верхньої грані, паралельної основі ABCD.";
        s << "Ребро DD<sub>1</sub> перпендикулярне до цієї площини, тож шукана відстань — DD<sub>1</sub>.";
        s << "DD<sub>1</sub> = AA<sub>1</sub> = 10 (довжини AB і BC тут не потрібні).";
        s.answer("10");
    });
}
