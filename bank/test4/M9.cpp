// Question 9: an inequality; its option 2 is option 2 of question 2.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

VZT_QUESTION(M9, 4, 9, 76)
{
    q.grid(Grid{});
    lineAt(q, 1, 19, "Розвяжіть нерівність ");
    q.picture("Image1", "SpS\\Q94.bmp", 300, 4, 177, 63, true);
    pictures(q,
             {"SpS\\O494.bmp", "SpS\\O42.bmp", "SpS\\O493.bmp", "SpS\\O491.bmp", "SpS\\O495.bmp"},
             335, QSize(109, 47), kSmallBoxLefts);
}
