// Question 2: an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M2, 4, 2, 69)
{
    q.grid(Grid{});
    q.picture("Image1", "SpS\\Q2.bmp", 310, 12, 101, 87, true);
    lineAt(q, 1, 41, "Розв`яжіть нерівність");
    pictures(q, files("O4", {1, 2, 3, 4, 5}));

    q.solution([=](Steps &s) {
        s << "Метод інтервалів: чисельник дорівнює нулю при x = −3, знаменник — при x = 2.";
        s << "Дріб від'ємний між ними: при x = 0 маємо (0 + 3)/(0 − 2) = −3/2 &lt; 0.";
        s << "Зліва від −3 і справа від 2 дріб додатний, тож шуканий проміжок — від −3 до 2.";
        s << "Нерівність нестрога: x = −3 входить (дріб дорівнює 0), а x = 2 — ні (ділення на 0).";
        s.answer("[−3; 2)");
    });
}
