// Question 8: the least integer solution of an inequality.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R8, 6, 8, 117)
{
    lineAt(q, 1, 24, "Укажіть найменший цілий розв`язок нерівності ");
    q.picture("Image1", "SpS\\Q68.bmp", 652, 7, 147, 61);
    pictures(q, optionFiles("O68"), QSize(135, 59));
}
