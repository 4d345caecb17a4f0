// Question 3: a sheet folded along NK stands on the table on A, K and D; NK
// is perpendicular to the table.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R3, 6, 3, 112)
{
    q.lines({"Аркуш паперу прямокутної форми перегнули по лінії NK. Отриману фігуру розмістили",
             "на столі так, що точки А, К і D опинились на площині стола а.",
             "Як розташована пряма NK відносно площини а?"});
    q.picture("Image1", "SpS\\Q63.bmp", 796, 73, 283, 173);
    pictures(q, optionFiles("O63"), QSize(243, 116), Lefts{2, 247, 491, 737, 983});

    q.solution([=](Steps &s) {
        s << "NK ∥ AB, тому NK ⊥ AD: кути AKN і DKN прямі, і після згину вони лишаються прямими.";
        s << "Отже, NK ⊥ KA і NK ⊥ KD, а KA і KD — дві прямі площини α, що перетинаються в точці K.";
        s << "За ознакою перпендикулярності прямої і площини NK ⊥ α.";
        s.answer("пряма NK перпендикулярна до площини α");
    });
}
