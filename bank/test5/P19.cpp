// Question 19: an irrational equation, pictured right of the line.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P19, 5, 19, 107)
{
    lineAt(q, 1, 24, "Розв`яжіть рівняння");
    q.picture("Image1", "SpS\\Q519.bmp", 280, 14, 181, 47);
    pictures(q, {"SpS\\O5191.bmp", "SpS\\O5192.bmp", "SpS\\O5193.bmp", "SpS\\O5194.bmp",
                 "SpS\\O5195.bmp"},
             QSize(99, 77), 15);

    q.solution([=](Steps &s) {
        s << "Підносимо обидві частини до квадрата: x + 3 = (x − 3)², тобто x² − 7x + 6 = 0.";
        s << "D = 7² − 4 · 6 = 25, x = (7 ± 5)/2: x<sub>1</sub> = 1, x<sub>2</sub> = 6.";
        s << "Перевірка x = 1: √4 = 2, а 1 − 3 = −2, тож 1 — сторонній корінь.";
        s << "Перевірка x = 6: √9 = 3 і 6 − 3 = 3, корінь підходить.";
        s.answer("6");
    });
}
