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
}
