// Question 18 of Test 1: the mutual position of two circles, five pictured answers.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN18, 1, 18, 21)
{
    q.grid(Grid{kWideLefts, 161, kWideLefts, 375, 367, {1072, 56}});
    q.line(1, "Відстань між центрами двох кіл дорівнює 6. Укажіть взаємне розташування");
    q.line(2, "цих кіл, якщо їх довжини 8        i  2");
    q.line(3, "");

    q.pictureOptions({"SpS\\O181.bmp", "SpS\\O182.bmp", "SpS\\O183.bmp", "SpS\\O184.bmp",
                      "SpS\\O185.bmp"},
                     1, 210, QSize(168, 144), kPictureBoxLefts, false);

    // The π signs after the two lengths.
    q.picture("Image1", "SpS\\Pi.bmp", 357, 47, 42, 32, true);
    q.picture("Image7", "SpS\\Pi.bmp", 450, 47, 42, 32, true);

    q.solution([=](Steps &s) {
        s << "Довжина кола 2πR: з 2πR = 8π маємо R<sub>1</sub> = 8 / 2 = 4, з 2πR = 2π — "
             "R<sub>2</sub> = 2 / 2 = 1.";
        s << "Сума радіусів 4 + 1 = 5, а відстань між центрами 6 &gt; 5.";
        s << "Отже, кола не мають спільних точок і лежать одне поза одним.";
        s.answer("два кола одне поза одним, відстань між центрами 6 &gt; 4 + 1");
    });
}
