// Question 12: Celsius to Fahrenheit for three drawn temperatures.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

namespace {
QString three(long long a, long long b, long long c)
{
    return num(a) + ";" + num(b) + ";" + num(c);
}
} // namespace

VZT_QUESTION(Y12, 8, 12, 163)
{
    const int b = q.draw(2, 4);
    const int c = q.draw(5, 7);
    const int d = q.draw(8, 10);
    const int F1 = 9 * b + 32, F2 = 9 * c + 32, F3 = 9 * d + 32; // of 5b, 5c, 5d °C

    q.grid(Grid{});
    q.line(1, "Щоб перевести температуру, подану за шкалою Цельсія, у температуру за шкалою "
              "Фаренгейта,");
    // The formula stands in the picture over the run of blanks.
    lineAt(q, 2, 10, 63,
           "використовують формулу" + QString(22, QLatin1Char(' '))
               + "де С - число градусів за Цельсієм, а ");
    lineAt(q, 3, 10, 123,
           "F - відповідне число за Фаренгейтом. Обчисліть F, якщо С=" + three(5 * b, 5 * c, 5 * d));
    q.picture("Image1", "SpS\\Q812.bmp", 356, 47, 136, 67);

    q.textOptions({three(F1, F2, F3), three(b + 32, c + 32, d + 32), three(F2, F1, F3),
                   three(F3, F1, F2), three(F3, F2, F1)},
                  1);

    q.solution([=](Steps &s) {
        s << "Підставляємо кожне значення C у формулу F = 9/5 · C + 32.";
        s << "C = " + val(5 * b) + ": F = 9/5 · " + val(5 * b) + " + 32 = " + val(9 * b) + " + 32 = "
                 + val(F1) + ".";
        s << "C = " + val(5 * c) + ": F = 9/5 · " + val(5 * c) + " + 32 = " + val(9 * c) + " + 32 = "
                 + val(F2) + ".";
        s << "C = " + val(5 * d) + ": F = 9/5 · " + val(5 * d) + " + 32 = " + val(9 * d) + " + 32 = "
                 + val(F3) + ".";
        s.answer();
    });
}
