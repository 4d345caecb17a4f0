#include "common.h"
using namespace vzt;
using namespace vzt::test2;

VZT_QUESTION(SS9, 2, 9, 34)
{
    q.grid(pictureRows(261, 467));
    q.line(1, "Переріз куба проходить через середини трьох його ребер - точки");
    q.line(2, "N, K i M. Якою геометричною фігурою є цей переріз?");
    q.picture("Image1", "SpS\\Q8.bmp", 882, 12, 263, 249);

    q.pictureOptions({"SpS\\O81.bmp", "SpS\\O82.bmp", "SpS\\O83.bmp", "SpS\\O84.bmp",
                      "SpS\\O85.bmp"},
                     1, 310, QSize(200, 100), kPictureBoxLefts, false);
}
