#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(S3, 2, 3, 28)
{
    q.grid(rows(161, kNarrowLefts, 400));
    q.line(1, "Скільки трикутників зображено на рисунку?");
    q.picture("Image1", "SpS\\N8.bmp", 928, 96, 217, 233);

    q.textOptions({"6", "3", "4", "5", "7"}, 1);
}
