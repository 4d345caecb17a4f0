// Question 12: Fahrenheit to Celsius by a formula that stands over the run
// of blanks of line 2.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P12, 5, 12, 100)
{
    q.line(1, "Щоб перевести температуру, подану за шкалою Фаренгейта, у температуру за шкалою");
    lineAt(q, 2, 63,
           "Цельсія, використовують формулу" + QString(24, QLatin1Char(' '))
               + ",  де F - число градусів за");
    // below the formula's denominator
    lineAt(q, 3, 112,
           "Фаренгейтом, а С - відповідне число градусів за Цельсієм. Обчисліть С, якщо F=43.");
    q.picture("Image1", "SpS\\Q512.bmp", 476, 49, 155, 62);
    pictures(q, {"SpS\\O5121.bmp", "SpS\\O5122.bmp", "SpS\\O5123.bmp", "SpS\\O5124.bmp",
                 "SpS\\O5125.bmp"},
             QSize(116, 94), 10);

    q.solution([=](Steps &s) {
        s << "Підставляємо F = 43 у формулу C = 5(F − 32)/9.";
        s << "F − 32 = 43 − 32 = 11.";
        s << "C = 5 · 11/9 = 55/9.";
        s.answer("55/9");
    });
}
