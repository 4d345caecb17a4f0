// Question 5: the greatest of several numbers.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L5, 3, 5, 51)
{
    q.grid(pictureGrid(261, 435));
    // The numbers stand in the picture over the run of blanks.
    lineAt(q, 1, 10, 21, "Яке з чисел:" + QString(27 + 58, QLatin1Char(' ')) + "- є найбільшим?");
    q.picture("Image1", "SpS\\Q5.bmp", 170, 4, 551, 79, true);
    pictures(q, {"SpS\\O51.bmp", "SpS\\O52.bmp", "SpS\\O53.bmp", "SpS\\O54.bmp", "SpS\\O55.bmp"},
             310);

    q.solution([=](Steps &s) {
        s << "Порівняємо квадрати: (3√2)² = 18, (√19)² = 19, (2√5)² = 20, 4,4² = 19,36.";
        s << "Найбільший квадрат 20, тож з цих чотирьох найбільше 2√5 = √20.";
        s << "∛80 &lt; 4,4, бо 4,4³ = 85,184 &gt; 80; отже, ∛80 &lt; 4,4 &lt; 2√5.";
        s.answer("2√5");
    });
}
