// Question 11: the perimeters of the four rectangles cut from a rectangle.
// The text runs over five lines, the fifth in the label of slot А.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H11, 10, 11, 205)
{
    q.grid(wideGrid());
    linesAt(q, {13, 55, 99, 143},
            {"На рисунку зображено прямокутник ABCD. Дві перпендикуляр-",
             "ні прямі ML i NK проведені так, що утворилося чотири",
             "прямокутники ANOL, NBMO, OMCK i LOKD. Обчисліть суму",
             "периметрів утворених прямокутників, якщо периметр пря-"});
    q.picture("Image7", "SpS\\Q1011.bmp", 814, 5, 302, 217, true);
    pictures(q,
             {"SpS\\O10111.bmp", "SpS\\O10112.bmp", "SpS\\O10113.bmp", "SpS\\O10114.bmp",
              "SpS\\O10115.bmp"},
             QSize(163, 49));
    q.label("Label9", 10, 187).text = "мокутника ABCD дорівнює 46 см.";

    q.solution([=](Steps &s) {
        s << "Частини сторін ABCD входять у периметри малих прямокутників по одному разу: разом 46 см.";
        s << "Кожна частина відрізків ML і NK — сторона двох прямокутників, тож ML і NK лічимо двічі.";
        s << "ML = AB, NK = AD, тому 2(ML + NK) = 2(AB + AD) = P<sub>ABCD</sub> = 46 см.";
        s << "Сума периметрів: 46 + 46 = 92 см.";
        s.answer("92 см");
    });
}
