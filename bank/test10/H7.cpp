// Question 7: the value of an expression with moduli at a point.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H7, 10, 7, 201)
{
    // A row: r1 .. r4 of |x-r4|-|r2-r1x| and its value V at x = -r3.
    const auto r = q.row("Ida\\VZT_15.txt", 2016, 5);
    const long long r1 = r[0], r2 = r[1], r3 = r[2], r4 = r[3], V = r[4];

    // Code 5 draws as the modulus bar.
    const QString bar(QChar(5));
    q.grid(narrowGrid());
    q.line(1, "Знайдіть значення виразу " + bar + "x-" + num(r4) + bar + "-" + bar + num(r2) + "-"
                  + num(r1) + "x" + bar + " при х=-" + num(r3));
    q.textOptions({num(V), num(V + 1), num(V - 1), num(V + 2), num(V - 3)}, 1);

    q.solution([=](Steps &s) {
        const long long x = -r3, first = x - r4, second = r2 - r1 * x;
        s << "Підставимо x = " + val(x) + " у вирази під модулями.";
        s << "x − " + val(r4) + " = " + paren(x) + " − " + val(r4) + " = " + val(first)
                 + ", тому |x − " + val(r4) + "| = " + val(-first) + ".";
        s << val(r2) + " − " + val(r1) + "x = " + val(r2) + " − " + val(r1) + " · " + paren(x) + " = "
                 + val(second) + ", тому |" + val(r2) + " − " + val(r1) + "x| = " + val(second) + ".";
        s << "Значення виразу: " + val(-first) + " − " + val(second) + " = " + val(V) + ".";
        s.answer();
    });
}
