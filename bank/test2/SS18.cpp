#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(SS18, 2, 18, 43)
{
    q.grid(pictureRows(261, 434));
    q.line(1, "Знайдіть похідну функції у=");
    q.picture("Image1", "SpS\\Q18.bmp", 362, 4, 127, 61);

    q.pictureOptions({"SpS\\O1821.bmp", "SpS\\O1822.bmp", "SpS\\O1823.bmp", "SpS\\O1824.bmp",
                      "SpS\\O1825.bmp"},
                     1, 310, QSize(149, 87), Lefts{37, 267, 497, 727, 957}, false);
}
