// Question 3: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W3, 7, 3, 133)
{
    lineAt(q, 1, 10, 24, "Розв`яжіть нерівність");
    q.picture("Image1", "SpS\\Q73.bmp", 289, 2, 136, 83, true);
    pictures(q, "O73", QSize(164, 74), kFormulaLefts);

    q.solution([=](Steps &s) {
        s << "Метод інтервалів: чисельник дорівнює нулю при x = −3, знаменник — при x = 2.";
        s << "Між −3 і 2 дріб від’ємний: при x = 0 маємо (0 + 3)/(0 − 2) = −3/2 &lt; 0.";
        s << "Поза цим проміжком дріб додатний, тож нерівність виконується лише між −3 і 2.";
        s << "x = −3 входить у розв’язок (дріб дорівнює нулю), x = 2 — ні (знаменник нуль).";
        s.answer("[−3; 2)");
    });
}
