// Question 9: the greatest integer solution of an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L9, 3, 9, 55)
{
    q.grid(pictureGrid(289, 455));
    lineAt(q, 1, 10, 21, "Укажіть найбільший цілий розвязок нерівності ");
    q.picture("Image1", "SpS\\Q9.bmp", 669, 5, 103, 63, true);
    pictures(q, {"SpS\\O91.bmp", "SpS\\O92.bmp", "SpS\\O93.bmp", "SpS\\O94.bmp", "SpS\\O95.bmp"},
             330);

    q.solution([=](Steps &s) {
        s << "x² − 2x ≤ 15 рівносильна x² − 2x − 15 ≤ 0.";
        s << "D = (−2)² − 4 · 1 · (−15) = 64; корені (2 − 8)/2 = −3 і (2 + 8)/2 = 5.";
        s << "Вітки параболи напрямлені вгору, тому розв’язки: −3 ≤ x ≤ 5.";
        s << "Найбільший цілий розв’язок — 5.";
        s.answer("5");
    });
}
