// Question 15: the number of faces of a pyramid.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H15, 10, 15, 209)
{
    struct Variant {
        QString name;
        QStringList options;
    };
    static const Variant variants[3] = {
        {"восьмикутної", {"9", "16", "8", "10", "11"}},
        {"дев`ятикутної", {"10", "18", "9", "12", "11"}},
        {"десятикутної", {"11", "20", "13", "12", "15"}},
    };
    const Variant &v = variants[q.draw(8, 10) - 8];

    q.grid(narrowGrid());
    q.line(1, "Знайдіть кількість граней " + v.name + " піраміди");
    q.textOptions(v.options, 1);

    const long long sides = 8 + (&v - variants); // the polygon at the base
    // "восьмикутної" -> "восьмикутник"
    const QString base = QString(v.name).replace('`', QChar(0x2019)).chopped(3) + "ник";
    q.solution([=](Steps &s) {
        s << "Грані піраміди — її основа та бічні грані-трикутники, по одній на кожну сторону основи.";
        s << "Основа — " + base + ", у неї " + val(sides) + " сторін, тож бічних граней " + val(sides) + ".";
        s << "Усього граней: " + val(sides) + " + 1 = " + val(sides + 1) + ".";
        s.answer();
    });
}
