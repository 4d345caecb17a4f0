// Question 6 of Test 1: the interval that holds the root of
// sqrt(base^exponent) = 1/denominator.
#include "common.h"

using namespace vzt;

namespace {

struct Variant {
    const char *base;
    const char *exponent;
    const char *denominator;
    const char *right;
    const char *fifth;
};

const Variant kVariants[6] = {
    {"2", "4x", "4", "(-1,5;-0,5]", "(-2,5;-1,5]"},
    {"2", "3x", "8", "(-2,5;-1,5]", "(-1,5;-0,5]"},
    {"2", "2x", "4", "(-2,5;-1,5]", "(-1,5;-0,5]"},
    {"2", "6x", "8", "(-1,5;-0,5]", "(-2,5;-1,5]"},
    {"3", "4x", "9", "(-1,5;-0,5]", "(-2,5;-1,5]"},
    {"3", "2x", "9", "(-2,5;-1,5]", "(-1,5;-0,5]"},
};

} // namespace

VZT_QUESTION(QN6, 1, 6, 9)
{
    const int t = q.draw(1, 6);
    const Variant &w = kVariants[t - 1];

    q.grid(Grid{kNarrowLefts, 161, kShiftedLefts, 251, 379, {1072, 9}});
    q.textOptions({w.right, "(-0,5;0,5]", "(0,5;1,5]", "(1,5;2,5]", w.fifth}, 1);

    q.label("Label14", 10, 48).text = QString("Укажіть проміжок, якому належить корінь рівняння      ") +
                                      w.base + "    =";
    q.label("Label15", 742, 16, smallFont()).text = w.exponent;
    q.label("Label1", 789, 21).text = "1";
    q.label("Label8", 789, 75).text = w.denominator;
    q.picture("Image1", "SpS\\sqrt.bmp", 678, 25, 30, 75, true);
    q.picture("Image2", kFractionBar, 783, 59, 30, 10, true);

    // sqrt(b^(kx)) = b^(kx/2) and 1/den = b^(-m): kx/2 = -m.
    const int b = QString(w.base).toInt();
    const int k = QString(w.exponent).chopped(1).toInt();
    const int den = QString(w.denominator).toInt();
    int m = 0;
    for (int p = 1; p < den; p *= b)
        ++m;
    q.solution([=](Steps &s) {
        const QString half = k == 2 ? "x" : k % 2 == 0 ? val(k / 2) + "x" : val(k) + "x/2";
        s << "Ліва частина: √(" + power(val(b), val(k) + "x") + ") = " + power(val(b), half) +
                 ", права: 1/" + val(den) + " = " + power(val(b), val(-m)) + ".";
        s << "Прирівняємо показники: " + half + " = " + val(-m) +
                 (k == 2 ? QString(".") : ", звідки x = " + val(-2 * m / k) + ".");
        s << "Число " + val(-2 * m / k) + " належить проміжку " +
                 QString(w.right).replace('-', QChar(0x2212)).replace(";", "; ") + ".";
        s.answer();
    });
}
