// Question 16 of Test 1: the solution set of an inequality, five pictured answers.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN16, 1, 16, 19)
{
    q.grid(Grid{kWideLefts, 161, kWideLefts, 375, 367, {1072, 56}});
    q.line(1, "");
    q.line(2, "Розв`яжіть нерівність ");
    q.line(3, "");

    q.pictureOptions({"SpS\\O163.bmp", "SpS\\O162.bmp", "SpS\\O161.bmp", "SpS\\O164.bmp",
                      "SpS\\O165.bmp"},
                     1, 210, QSize(168, 72), kPictureBoxLefts, false);

    // The inequality, beside line 2.
    q.picture("Image1", "SpS\\U16.bmp", 300, 23, 197, 84, true);

    q.solution([=](Steps &s) {
        s << "Розв’яжемо (x − 2)/(x + 3) ≤ 0 методом інтервалів.";
        s << "Нуль чисельника x = 2 (входить), нуль знаменника x = −3 (не входить).";
        s << "Знаки дробу: «+» на (−∞; −3), «−» на (−3; 2), «+» на (2; +∞).";
        s.answer("(−3; 2]");
    });
}
