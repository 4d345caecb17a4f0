// Question 4 of Test 1: the probability of a sound apple, as a reduced fraction.
#include "common.h"

using namespace vzt;

namespace {

// Greatest common divisor by repeated subtraction.
int gcdBySubtraction(int a, int b)
{
    while (a != b) {
        if (a > b)
            a -= b;
        else
            b -= a;
    }
    return a;
}

struct Fraction {
    int num;
    int den;
};

Fraction reduced(int num, int den)
{
    const int g = gcdBySubtraction(num, den);
    return {num / g, den / g};
}

} // namespace

VZT_QUESTION(QN4, 1, 4, 7)
{
    const int k = q.draw(1, 3);
    const int P = k == 1 ? 4 : k == 2 ? 5 : 10; // spoiled apples, per cent

    const Fraction right = reduced(100 - P, 100);
    const int N = right.num, D = right.den;
    const std::array<Fraction, 5> options{right, Fraction{1, D}, Fraction{1, D - 1},
                                          reduced(N - 1, D), reduced(N - 2, D)};

    q.grid(Grid{kNarrowLefts, 161, kNarrowLefts, 251, 397, {1072, 55}});
    q.line(1, "Серед яблук, що були заготовлені на зиму, " + QString::number(P) +
                  "% виявилися зіпсованими. Яка ймовірність");
    q.line(2, "з першої спроби витягти навмання незіпсоване яблуко?");
    q.line(3, "");

    // Every option is a stacked fraction: the numerator in the slot label, the
    // denominator in Label15 … Label19 below it, a bar between them.
    QStringList numerators, denominators;
    for (const Fraction &f : options) {
        numerators << QString::number(f.num);
        denominators << QString::number(f.den);
    }
    q.textOptions(numerators, 1);
    test1::marksBySlot(q, denominators, kNarrowLefts, 292, lineFont(), "/");
    static const std::array<QString, 5> bars{"Image1", "Image2", "Image3", "Image4", "Image5"};
    for (int s = 0; s < 5; ++s)
        q.picture(bars[s], kFractionBar, kNarrowLefts[s], 280, 30, 10, true);

    q.solution([=](Steps &s) {
        s << "Незіпсованих яблук 100 − " + val(P) + " = " + val(100 - P) + " %.";
        s << "P = " + frac(100 - P, 100) + " = " + lowest(100 - P, 100) + ".";
        s.answer();
    });
}
