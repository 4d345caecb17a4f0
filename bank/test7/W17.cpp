// Question 17: the probability of drawing a register of a given form.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W17, 7, 17, 147)
{
    lineAt(q, 1, 10, 24, "На столі стопкою лежать класні журнали з однаковими обкладинками: по два");
    lineAt(q, 2, 10, 63, "журнали 7, 8 і 11-х класів та по три журнали 9-х і 10-х класів. Знайдіть");
    lineAt(q, 3, 10, 107,
           "імовірність із першої спроби навмання витягнути журнал будь-якого 10-го класу.");
    pictures(q, "O717", QSize(78, 89), Lefts{59, 289, 518, 747, 977});
}
