#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// Opened by button "4": the expression is one of three pictures, each with
// its own five options.
VZT_QUESTION(SS5, 2, 4, 30)
{
    q.grid(rows(161, kNarrowLefts, 415));
    const int k = q.draw(1, 3);

    q.line(1, "");
    q.label("Label14", 10, 48).text = "Знайдіть значення виразу ";
    static const QString pictures[3] = {"SpS\\N9.bmp", "SpS\\N10.bmp", "SpS\\N11.bmp"};
    q.picture("Image1", pictures[k - 1], 390, 20, 190, 92);

    static const QStringList options[3] = {
        {"8", "1", "16", "2", "4"},
        {"9", "1", "81", "3", "27"},
        {"25", "1", "5", "125", "625"},
    };
    q.textOptions(options[k - 1], 1);

    // The base, the sum of the exponents and the value of the power under the root.
    static const int bases[3] = {2, 3, 5};
    static const int sums[3] = {6, 2, 2};
    const int b = bases[k - 1], e = sums[k - 1];
    const int half = k == 1 ? e / 2 : e; // the exponent of the value
    int value = 1;
    for (int i = 0; i < half; ++i)
        value *= b;
    q.solution([=](Steps &s) {
        s << "Множачи степені з однаковою основою, показники додають, а ділячи — віднімають.";
        if (k == 1) {
            s << "(√5 + 3) + (3 − √5) = 6, тож під коренем " + power(val(b), val(e)) + ".";
            s << "√(" + power(val(b), val(e)) + ") = " + power(val(b), val(e) + "/2") + " = " +
                     power(val(b), val(half)) + " = " + val(value) + ".";
        } else if (k == 2) {
            s << "(1 + √2) + (1 − √2) = 2, тож вираз дорівнює " + power(val(b), val(e)) + ".";
            s << power(val(b), val(e)) + " = " + val(value) + ".";
        } else {
            s << "(√7 + 1) − (√7 − 1) = 2, тож вираз дорівнює " + power(val(b), val(e)) + ".";
            s << power(val(b), val(e)) + " = " + val(value) + ".";
        }
        s.answer();
    });
}
