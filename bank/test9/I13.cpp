// Question 13: which statements of geometry are true. Seven text lines, the
// equality of statement III in a picture on the empty fifth line.
#include "common.h"

using namespace vzt;
using namespace vzt::test9;

VZT_QUESTION(I13, 9, 13, 186)
{
    Grid g{kNarrowLefts, 294, {118, 290, 466, 634, 822}, 384, 435};
    g.instructionLeft = 3;
    q.grid(g);
    for (const QString &slot : kSlotLabels)
        q.label(slot).font = smallFont(19);

    q.lines({"Які з наведених тверджень є правильними?",
             "I Якщо сума двох кутів дорівнює 180°, то ці кути є суміжними.",
             "II Якщо діагоналі паралелограма рівні між собою, то цей паралелограм є "
             "прямокутником.",
             "III У прямокутному трикутнику з катетами b, c i гіпотенузою а виконується рівність ",
             ""});
    q.label("Label17", 10, 190).text =
        "IV Через три точки, які не лежать на одній прямій, можна провести єдину площину. ";
    q.label("Label18", 10, 222).text = "";
    q.picture("Image1", "SpS\\Q913.bmp", 109, 141, 139, 52);

    q.textOptions({"Лише II і IV", "Лише I, II i IV", "I, II, III і IV", "Лише II i III",
                   "Лише II, III і IV"},
                  1);

    q.solution([=](Steps &s) {
        s << "I — хибне: кути із сумою 180° можуть не мати спільної сторони, тоді вони не суміжні.";
        s << "II — правильне: паралелограм з рівними діагоналями є прямокутником.";
        s << "III — хибне: гіпотенуза а, тож за теоремою Піфагора a² = b² + c², а не c² = a² + b².";
        s << "IV — правильне: це аксіома стереометрії.";
        s.answer();
    });
}
