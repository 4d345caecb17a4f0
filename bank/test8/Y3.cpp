// Question 3: the true inequality among five.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

VZT_QUESTION(Y3, 8, 3, 154)
{
    q.grid(Grid{});
    q.line(1, "Укажіть правильну нерівність");
    pictures(q, "O83", QSize(184, 78), kBoxLefts, "a");
    q.solution([=](Steps &s) {
        s << "Якщо 0 &lt; a &lt; 1, функція y = a<sup>x</sup> спадає; якщо a &gt; 1 — зростає.";
        s << "Основа 0,3 &lt; 1 і 5 &gt; 2, тому 0,3<sup>5</sup> &lt; 0,3<sup>2</sup>: "
             "0,3<sup>5</sup> = 0,00243 &lt; 0,09 = 0,3<sup>2</sup>.";
        s << "Хибні: 0,3<sup>−2</sup> = 100/9 &gt; 10/3 = 0,3<sup>−1</sup>; √0,3 ≈ 0,55 &gt; 0,3.";
        s << "Хибні також: (1/3)<sup>2</sup> = 1/9 &lt; 1/3 і 1,3<sup>2</sup> = 1,69 &gt; 1 &gt; "
             "1,3<sup>−1</sup>.";
        s.answer("0,3<sup>5</sup> &lt; 0,3<sup>2</sup>");
    });
}
