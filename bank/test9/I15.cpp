// Question 15: the distance travelled with a velocity 3 + 4t from 1 s to 4 s.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I15, 9, 15, 188)
{
    q.lines({"Точка рухається по прямій так, що її швидкість у момент часу t дорівнює",
             "v(t)=3+4t. Знайдіть шлях, пройдений точкою за проміжок часу від 1 с до",
             "4 с (швидкість вимірюється у метрах за секунду)."});
    q.textOptions({"39 м", "15 м", "69 м", "12 м", "30 м"}, 1);

    q.solution([=](Steps &s) {
        s << "Шлях — це інтеграл швидкості: s = ∫<sub>1</sub><sup>4</sup> (3 + 4t) dt.";
        s << "Первісна для 3 + 4t: 3t + 2t².";
        s << "s = (3 · 4 + 2 · 4²) − (3 · 1 + 2 · 1²) = 44 − 5 = 39 м.";
        s.answer();
    });
}
