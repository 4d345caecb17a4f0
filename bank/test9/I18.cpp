// Question 18: the base area of a pyramid whose lateral faces all make 60°
// with the base.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I18, 9, 18, 191)
{
    q.lines({"Площа бічної поверхні піраміди дорівнює 64. Знайдіть площу основи даної",
             "піраміди, якщо всі її бічні грані нахилені до площини основи під кутом",
             "60°"});
    optionPictures(q, "O918", QSize(132, 67));

    q.solution([=](Steps &s) {
        s << "Якщо всі бічні грані нахилені до основи під кутом φ, основа — проекція бічної поверхні.";
        s << "Тому S<sub>осн</sub> = S<sub>біч</sub> · cos φ.";
        s << "S<sub>осн</sub> = 64 · cos 60° = 64 · 1/2 = 32.";
        s.answer("32");
    });
}
