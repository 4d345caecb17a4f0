// Question 15 of Test 1: how many subscribers one telephone exchange can serve.
#include "common.h"

using namespace vzt;

VZT_QUESTION(QN15, 1, 15, 18)
{
    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 400, {1072, 58}});
    q.line(1, "Номер телефону складається із 7 цифр, перші 3 з яких є номером АТС. Яку найбільшу");
    q.line(2, "кількість абонентів може обслуговувати одна АТС?");
    q.line(3, "");

    // Code 7 draws as the multiplication dot: option 5 reads 10·9·8·7.
    const QString dot(QChar(7));
    q.textOptions({"10", "10", "9", "4!", "10" + dot + "9" + dot + "8" + dot + "7"}, 1);
    // The exponents, small, over the slots.
    test1::marksBySlot(q, {"4", "7", "4", "", ""}, test1::kSmallMarkLefts, 236, smallFont(), "^");

    q.solution([=](Steps &s) {
        s << "Номер абонента в межах однієї АТС задають решта 7 − 3 = 4 цифри.";
        s << "Кожну з них можна вибрати 10 способами (від 0 до 9), цифри можуть повторюватися.";
        s << "За правилом добутку 10 · 10 · 10 · 10 = 10<sup>4</sup> = 10000.";
        s.answer(power("10", "4"));
    });
}
