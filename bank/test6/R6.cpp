// Question 6: the sum of an arithmetic progression of pebble piles, given the
// first pile, the step and the last pile.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

namespace {

// The word after a number of pebbles n (1 to 3 for the first pile, 15 to 47
// for the last): 1, 21, 31, 41 камінчик; 2 to 4, 22 to 24, ... камінчики;
// 5 to 20 and the rest камінчикiв (with a Latin "i", as stored).
QString pebbles(int n)
{
    const int digit = n % 10;
    const bool fiveToTwenty = n >= 5 && n <= 20;
    if (!fiveToTwenty && digit == 1)
        return " камінчик";
    if (!fiveToTwenty && digit >= 2 && digit <= 4)
        return " камінчики";
    return " камінчикiв";
}

} // namespace

VZT_QUESTION(R6, 6, 6, 115)
{
    const int first = q.draw(1, 3);
    const int step = q.draw(2, 4);
    const int piles = q.draw(8, 12);
    const int last = first + step * (piles - 1);
    const int total = piles * (first + last) / 2;
    static const QStringList stepWords{"два", "три", "чотири"};

    q.lines({"На березі моря Микита розкладав гальку на купки. До першої купки він поклав "
                 + QString::number(first) + pebbles(first) + ",",
             "а до кожної наступної на " + stepWords[step - 2]
                 + " більше, ніж до попередньої. Скільки всього камінчиків",
             "розклав Микита, якщо в останній купці в нього виявилось " + QString::number(last)
                 + pebbles(last) + "?"});
    q.textOptions({QString::number(total), QString::number(total * 2), QString::number(total / 2),
                   QString::number(total - last), QString::number(total + last)},
                  1);

    q.solution([=](Steps &s) {
        s << "Числа камінчиків у купках утворюють арифметичну прогресію: a<sub>1</sub> = " + val(first)
                 + ", d = " + val(step) + ", a<sub>n</sub> = " + val(last) + ".";
        s << "Кількість купок: n = (a<sub>n</sub> − a<sub>1</sub>)/d + 1 = (" + val(last) + " − "
                 + val(first) + ")/" + val(step) + " + 1 = " + val(piles) + ".";
        s << "S<sub>n</sub> = (a<sub>1</sub> + a<sub>n</sub>)/2 · n = (" + val(first) + " + "
                 + val(last) + ")/2 · " + val(piles) + " = " + val(total) + ".";
        s.answer();
    });
}
