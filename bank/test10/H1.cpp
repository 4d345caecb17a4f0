// Question 1: the mass of waste paper from the ratio of two masses.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H1, 10, 1, 195)
{
    // A row: Vitya's part p and Sashko's part s of the ratio, the factor k.
    const auto r = q.row("Ida\\VZT_14.txt", 135, 3);
    const long long p = r[0], s = r[1], k = r[2];
    const long long sashko = s * k;

    q.grid(narrowGrid());
    q.line(1, "Маса макулатури, яку зібрав Вітя, відноситься до маси макулатури, яку зібрав Сашко, як ");
    q.line(2, num(p) + ":" + num(s) + ".  Скільки макулатури зібрав Сашко, якщо Вітя зібрав "
                  + num(p * k) + " кг макулатури?");
    q.textOptions({num(sashko), num(s), num(sashko + 2), num(sashko + 3) + ",5", num(sashko - 4)},
                  1);

    q.solution([=](Steps &out) {
        const auto parts = [](long long n) { return n == 1 ? QString("t") : val(n) + " · t"; };
        out << "Маси відносяться як " + val(p) + " : " + val(s) + ". Нехай одна частина — t кг.";
        out << "Тоді Вітя зібрав " + parts(p) + " кг, а Сашко — " + parts(s) + " кг.";
        if (p == 1)
            out << "Вітя зібрав одну частину: t = " + val(p * k) + " кг.";
        else
            out << val(p) + " · t = " + val(p * k) + ", звідси t = " + val(p * k) + "/" + val(p)
                       + " = " + val(k) + ".";
        if (s == 1)
            out << "Сашко зібрав одну частину: t = " + val(sashko) + " кг.";
        else
            out << "Сашко зібрав " + val(s) + " · " + val(k) + " = " + val(sashko) + " кг.";
        out.answer();
    });
}
