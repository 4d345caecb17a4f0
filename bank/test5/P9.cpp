// Question 9: a variable expressed from a formula; the formula stands over
// the run of blanks after "Якщо".
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P9, 5, 9, 97)
{
    lineAt(q, 1, 24, "Якщо" + QString(20, QLatin1Char(' ')) + ", то с= ");
    q.picture("Image1", "SpS\\Q59.bmp", 100, 4, 112, 70);
    pictures(q, {"SpS\\O591.bmp", "SpS\\O592.bmp", "SpS\\O593.bmp", "SpS\\O594.bmp",
                 "SpS\\O595.bmp"},
             QSize(112, 70), 19);

    q.solution([=](Steps &s) {
        s << "Виражаємо 1/c: 1/c = 1/a − 1/b.";
        s << "Зводимо до спільного знаменника: 1/c = (b − a)/(ab).";
        s << "Переходимо до обернених величин: c = ab/(b − a).";
        s.answer("ab/(b − a)");
    });
}
