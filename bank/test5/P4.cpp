// Question 4: the one true inequality of five.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P4, 5, 4, 92)
{
    q.line(1, "Укажіть правильну нерівність");
    pictures(q, {"SpS\\O541.bmp", "SpS\\O542.bmp", "SpS\\O543.bmp", "SpS\\O544.bmp",
                 "SpS\\O545.bmp"},
             QSize(163, 65), 42);
}
