#include "common.h"
using namespace vzt;
using namespace vzt::test2;

// Opened by button "4": the expression is one of three pictures, each with
// its own five options.
VZT_QUESTION(SS5, 2, 4, 30)
{
    q.grid(rows(161, kNarrowLefts, 415));
    const int k = q.draw(1, 3);

    q.line(1, "");
    q.label("Label14", 10, 48).text = "Знайдіть значення виразу ";
    static const QString pictures[3] = {"SpS\\N9.bmp", "SpS\\N10.bmp", "SpS\\N11.bmp"};
    q.picture("Image1", pictures[k - 1], 390, 20, 190, 92);

    static const QStringList options[3] = {
        {"8", "1", "16", "2", "4"},
        {"9", "1", "81", "3", "27"},
        {"25", "1", "5", "125", "625"},
    };
    q.textOptions(options[k - 1], 1);
}
