#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// x + B = A(x + B)x  <=>  (x + B)(1 - Ax) = 0: the roots -B and 1/A.
VZT_QUESTION(S2, 2, 2, 27)
{
    q.grid(rows(161, kNarrowSlotLefts, 400));
    const int k = q.draw(1, 9);
    const int A = k <= 3 ? 2 : k <= 6 ? 4 : 5;
    const QString s = k <= 3 ? "0,5" : k <= 6 ? "0,25" : "0,2"; // 1/A
    int B = q.draw(1, 9);
    while (B == A)
        B = q.draw(1, 9);

    q.line(1, "Розв`яжіть рівняння x+" + num(B) + "=" + num(A) + "(x+" + num(B) + ")x");

    q.textOptions({"-" + num(B) + ";" + s, num(A), s, "-" + num(B) + ";0",
                   "-" + num(B) + ";-" + s},
                  1);

    q.solution([=](Steps &st) {
        st << "Перенесемо все в ліву частину: (x + " + val(B) + ") − " + val(A) + "x(x + " + val(B) +
                 ") = 0.";
        st << "Винесемо спільний множник: (x + " + val(B) + ")(1 − " + val(A) + "x) = 0.";
        st << "x + " + val(B) + " = 0, звідки x = " + val(-B) + "; або 1 − " + val(A) +
                 "x = 0, звідки x = 1/" + val(A) + " = " + s + ".";
        st.answer();
    });
}
