// Question 19 of Test 1: the surface of a ball from the area of its great circle.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN19, 1, 19, 22)
{
    q.grid(Grid{kWideLefts, 161, kWideLefts, 375, 367, {1072, 56}});
    q.line(1, "Площа великого круга кулі дорівнює 5      см  . Знайдіть площу поверхні");
    q.line(2, "цієї кулі.");
    q.label("Label8", 577, 9, smallFont()).text = "2"; // the exponent of "см"

    q.pictureOptions({"SpS\\O191.bmp", "SpS\\O192.bmp", "SpS\\O193.bmp", "SpS\\O194.bmp",
                      "SpS\\O195.bmp"},
                     1, 210, QSize(168, 144), kPictureBoxLefts, false);

    q.picture("Image1", "SpS\\Pi.bmp", 497, 15, 42, 32, true); // the π after "5"

    q.solution([=](Steps &s) {
        s << "Площа великого круга πR² = 5π, тож R² = 5 (см²).";
        s << "Площа поверхні кулі S = 4πR², тобто вчетверо більша за площу великого круга.";
        s << "S = 4 · 5π = 20π (см²).";
        s.answer("20π см²");
    });
}
