// Question 11: the median to the hypotenuse.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M11, 4, 11, 78)
{
    const auto row = q.row("Ida\\VZT_pifa.txt", 52, 3);
    const long long a = row[0], b = row[1], c = row[2];

    q.grid(Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372});
    lineAt(q, 1, 16, "Катети  прямокутного трикутника дорівнюють " + QString::number(a) + " см і "
                         + QString::number(b) + " см. Знайдіть медіану,");
    lineAt(q, 2, 48, "проведену до гіпотенузи цього трикутника.");
    q.textOptions({QString::number(c / 2), QString::number(c), QString::number((c - 1) / 2),
                   QString::number(c - 1), QString::number(c - 4)},
                  1);

    q.solution([=](Steps &s) {
        s << "За теоремою Піфагора c² = " + val(a) + "² + " + val(b) + "² = " + val(a * a) + " + "
                 + val(b * b) + " = " + val(c * c) + ", тож гіпотенуза c = " + val(c) + " см.";
        s << "Медіана, проведена до гіпотенузи, дорівнює її половині (радіусу описаного кола).";
        s << "m = " + val(c) + "/2 = " + val(c / 2) + " см.";
        s.answer();
    });
}
