// Question 18: the average monthly output over eight months.
#include "common.h"

using namespace vzt;
using namespace vzt::test8;

namespace {
// August's number with its noun: "одиниць" below 21, "одиницю" for 21,
// "одиниці" for 22, none above.
QString units(long long n)
{
    if (n < 21)
        return num(n) + " одиниць";
    if (n == 21)
        return num(n) + " одиницю";
    if (n == 22)
        return num(n) + " одиниці";
    return num(n);
}
} // namespace

VZT_QUESTION(Y18, 8, 18, 170)
{
    const auto row = q.row("Ida\\VZT_11.txt", 153, 6);
    const long long J = row[0], may = row[1], june = row[2], july = row[3], august = row[4];
    const long long A = row[5]; // (4J + May + June + July + August) / 8

    q.grid(narrowGrid());
    q.lines({"Від січня до квітня завод випускав по " + num(J)
                 + " одиниць виробу щомісяця, у травні - " + num(may) + " одиниць",
             "у червні - " + num(june) + ", у липні - " + num(july) + ", у серпні - "
                 + units(august) + " виробу. Знайдіть середню кількість",
             "виробів за місяць за вказаний період."});
    q.textOptions({num(A), num(A + 1), num(A - 1), num(A + 2), num(A - 2)}, 1);

    q.solution([=](Steps &s) {
        s << "Від січня до серпня 8 місяців; середнє — загальна кількість виробів, поділена на 8.";
        s << "Усього: 4 · " + val(J) + " + " + val(may) + " + " + val(june) + " + " + val(july)
                 + " + " + val(august) + " = " + val(8 * A) + ".";
        s << "Середнє: " + val(8 * A) + "/8 = " + val(A) + ".";
        s.answer();
    });
}
