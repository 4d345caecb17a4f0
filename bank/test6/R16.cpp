// Question 16: a definite integral of an odd function over a symmetric interval.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R16, 6, 16, 125)
{
    lineAt(q, 1, 78, "Обчисліть інтеграл");
    q.picture("Image1", "SpS\\Q616.bmp", 252, 4, 111, 166);
    q.textOptions({"0", "4", "2", "8", "1"}, 1);

    q.solution([=](Steps &s) {
        s << "Первісна для x³: F(x) = x<sup>4</sup>/4.";
        s << "За формулою Ньютона — Лейбніца: F(2) − F(−2) = 2<sup>4</sup>/4 − (−2)<sup>4</sup>/4 "
             "= 16/4 − 16/4 = 0.";
        s << "Так і має бути: x³ — непарна функція, а межі інтегрування симетричні.";
        s.answer();
    });
}
