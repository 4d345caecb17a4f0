// Question 6: the graph of an even function. Five large pictures in two
// rows, the instruction in four lines at the lower left.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I6, 9, 6, 179)
{
    q.line(1, "Укажіть рисунок на якому зображено графік парної функції.");
    twoRowPictureSlots(q,
                       {"SpS\\O961.bmp", "SpS\\O962.bmp", "SpS\\O963.bmp", "SpS\\O964.bmp",
                        "SpS\\O965.bmp"},
                       1, QSize(338, 263));
}
