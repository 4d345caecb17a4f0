// Question 10: the number of the term of an arithmetic progression equal to -3.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H10, 10, 10, 204)
{
    struct Variant {
        const char *progression;
        QStringList options;
    };
    static const Variant variants[2] = {
        {"-8;-7,5;-7", {"11", "10", "9", "12", "13"}},
        {"-9;-8,5;-8", {"13", "12", "11", "14", "15"}},
    };
    const Variant &v = variants[q.draw(1, 20) <= 9 ? 0 : 1];

    q.grid(narrowGrid());
    q.line(1, "Укажіть номер арифметичної прогресії " + QString::fromLatin1(v.progression)
                  + ";..., який");
    q.line(2, "дорівнює -3");
    q.textOptions(v.options, 1);

    // The first two terms as the text shows them; the difference is 1/2.
    const QStringList terms = QString::fromLatin1(v.progression).split(';');
    const double a1 = terms[0].toDouble(), a2 = QString(terms[1]).replace(',', '.').toDouble();
    q.solution([=](Steps &s) {
        const double d = a2 - a1;
        const double before = (-3 - a1) / d; // n − 1
        auto par = [](double x) { return x < 0 ? "(" + dec(x, 1) + ")" : dec(x, 1); };
        s << "a<sub>1</sub> = " + dec(a1, 1) + ", d = a<sub>2</sub> − a<sub>1</sub> = " + par(a2)
                 + " − " + par(a1) + " = " + dec(d, 1) + ".";
        s << "За формулою a<sub>n</sub> = a<sub>1</sub> + (n − 1)d маємо " + dec(a1, 1) + " + (n − 1) · "
                 + dec(d, 1) + " = −3.";
        s << "(n − 1) · " + dec(d, 1) + " = (−3) − " + par(a1) + " = " + dec(-3 - a1, 1) + ", n − 1 = "
                 + dec(-3 - a1, 1) + "/" + dec(d, 1) + " = " + dec(before, 0) + ".";
        s << "n = " + dec(before, 0) + " + 1 = " + dec(before + 1, 0) + ".";
        s.answer();
    });
}
