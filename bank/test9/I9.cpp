// Question 9: what follows from a condition.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I9, 9, 9, 182)
{
    // The condition and the question stand in the picture after "Якщо".
    q.line(1, "Якщо ");
    q.picture("Image1", "SpS\\Q99.bmp", 111, 10, 343, 68);
    optionPictures(q, "O99", QSize(188, 68), kWideBoxLefts);

    q.solution([=](Steps &s) {
        s << "Якщо a &lt; b &lt; 0, то a далі від нуля, ніж b: |a| &gt; |b| &gt; 0.";
        s << "Обидві частини нерівності |a| &gt; |b| додатні, тож її можна піднести до квадрата: a² &gt; b².";
        s << "Приклад: a = −3, b = −1 дає (−3)² = 9 &gt; 1 = (−1)²; решта нерівностей тут хибні.";
        s.answer("a² &gt; b²");
    });
}
