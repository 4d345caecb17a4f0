// Question 5: a bank's transfer fee (the client pays the sum and the fee).
#include "common.h"

using namespace vzt;

VZT_QUESTION(P5, 5, 5, 93)
{
    q.lines({"За переказ грошей клієнт повинен заплатити банку 1,5% від суми переказу.",
             "Скільки грошей йому потрібно заплатити в касу банку, якщо сума переказу",
             "становить 10000?"});
    q.textOptions({"10150", "10100", "10015", "10500", "11500"}, 1);
}
