// Question 18: the strength of a mixture of two alcohol solutions.
#include "common.h"

using namespace vzt;
using namespace vzt::test6;

VZT_QUESTION(R18, 6, 18, 127)
{
    const auto row = q.row("Ida\\VZT_8.txt", 89, 5);
    const long long vol1 = row[0], pct1 = row[1], vol2 = row[2], pct2 = row[3], mix = row[4];
    const auto n = [](long long v) { return QString::number(v); };

    q.lines({"Знайдіть відсотковий вміст спирту в розчині, що отриманий при змішуванні "
                 + n(vol1) + " л ",
             n(pct1) + "%-го і " + n(vol2) + " л " + n(pct2) + "%-го розчинів спирту."});
    q.textOptions({n(mix), n(mix + 2), n(mix / 2), n(mix - 4), n(mix + 10)}, 1);

    q.solution([=](Steps &s) {
        const long long alcohol = vol1 * pct1 + vol2 * pct2; // in hundredths of a litre
        s << "Спирту в першому розчині: " + dec(pct1 / 100.0) + " · " + val(vol1) + " = "
                 + dec(vol1 * pct1 / 100.0) + " л, у другому: " + dec(pct2 / 100.0) + " · "
                 + val(vol2) + " = " + dec(vol2 * pct2 / 100.0) + " л.";
        s << "Разом " + dec(vol1 * pct1 / 100.0) + " + " + dec(vol2 * pct2 / 100.0) + " = "
                 + dec(alcohol / 100.0) + " л спирту в " + val(vol1) + " + " + val(vol2) + " = "
                 + val(vol1 + vol2) + " л суміші.";
        s << "Частка спирту: " + dec(alcohol / 100.0) + "/" + val(vol1 + vol2) + " = "
                 + dec(mix / 100.0) + ", тобто " + val(mix) + " %.";
        s.answer();
    });
}
