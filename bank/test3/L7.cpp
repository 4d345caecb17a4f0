// Question 7: a graph through a given point.
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L7, 3, 7, 53)
{
    q.grid(pictureGrid(261, 435));
    lineAt(q, 1, 10, 21, "Укажіть функцію, графік якої може проходити через точку N.");
    q.picture("Image1", "SpS\\N13.bmp", 847, 52, 181, 160, true);
    pictures(q,
             {"SpS\\O831.bmp", "SpS\\O832.bmp", "SpS\\O833.bmp", "SpS\\O834.bmp", "SpS\\O835.bmp"},
             310);
}
