#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// The distance from N(-a; b; c) to the plane yOz is |-a| = a.
VZT_QUESTION(SS15, 2, 15, 40)
{
    q.grid(rows(223, kNarrowLefts, 372));
    const int a = q.draw(1, 7);
    int b = q.draw(1, 5);
    while (b == a)
        b = q.draw(1, 5);
    int c = q.draw(1, 5);
    while (c == a || c == b)
        c = q.draw(1, 5);

    q.line(1, "Знайдіть відстань від точки N(-" + num(a) + ";" + num(b) + ";" + num(c) +
                  ") до площини yOz.");

    // Option 5 is the root of a² + b² + c²: its "*" stands where the root sign goes.
    q.textOptions({num(a), num(b), num(c), "-" + num(a), "*" + num(a * a + b * b + c * c)}, 1);
    q.picture("Image1", "SpS\\sqrt.bmp", q.slotLabelOf(5).left - 10, 288, 27, 60);

    q.solution([=](Steps &s) {
        s << "Відстань від точки (x; y; z) до площини yOz дорівнює |x|.";
        s << "Для N(" + val(-a) + "; " + val(b) + "; " + val(c) + "): d = |" + val(-a) + "| = " +
                 val(a) + ".";
        s.answer();
    });
}
