// Question 2: parallel lines cutting the sides of an angle. The figure marks
// OB` and B`B`` equal, so A`A`` is as long as OA`.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H2, 10, 2, 196)
{
    const int c = q.draw(5, 15);
    const int v = 2 * c + 1;

    q.grid(narrowGrid(kLeftShiftedLefts));
    q.line(1, "Паралельні прямі a i b перетинають сторони ОА та ОВ ");
    q.line(2, "кута АОВ у точках А`, A`` i B`, B`` відповідно. Знайдіть ");
    q.line(3, "довжину відрізка А`A``, якщо ОА`=" + num(v));
    q.picture("Image1", "SpS/Q101.bmp", 737, 8, 334, 237, true);
    q.textOptions({num(v), num(2 * v), num(v + 2), num(v / 2) + ",5", num(v - 3)}, 1);

    q.solution([=](Steps &s) {
        s << "На рисунку відрізки OB′ і B′B″ позначено як рівні: OB′ = B′B″.";
        s << "За теоремою Фалеса паралельні прямі a і b відтинають на стороні OA рівні відрізки:";
        s << "A′A″ = OA′ = " + val(v) + ".";
        s.answer();
    });
}
