// Question 13: true statements of solid geometry. Seven lines of text; the
// options stand in a smaller regular font, off their letters.
#include "common.h"

using namespace vzt;
using namespace vzt::test5;

VZT_QUESTION(P13, 5, 13, 101)
{
    q.grid(Grid{kNarrowLefts, 294, {118, 290, 466, 634, 822}, 384, 423, {1072, 9}, 3});
    static const std::array<QString, 7> names{"Label1",  "Label14", "Label8", "Label15",
                                              "Label16", "Label17", "Label18"};
    const QStringList text{
        "Які з наведених тверджень є правильними?",
        "I Через дві точки простору можна провести скільки завгодно прямих.",
        "II Якщо дві прямі а і b простору перпендикулярні до третьої прямої, то а і b паралельні.",
        "III Якщо пряма а перпендикулярна до двох прямих площини p, що перетинаються, то пряма а",
        "перпендикулярна до прлощини p.",
        "IV Якщо пряма а, що не лежить у площині p, паралельна прямій, що лежить у площині p, то",
        "пряма а паралельна площині p."};
    for (int i = 0; i < 7; ++i)
        q.label(names[i], 10, 16 + 32 * i).text = text[i];

    // Options 2 and 4 write "i" with the Latin letter, as stored.
    q.textOptions({"Лише III і IV", "Лише II i IV", "Лише I і II", "Лише II, III i IV",
                   "Лише I, III і VI"},
                  1);
    for (int k = 1; k <= 5; ++k)
        q.slotLabel(k).font = smallFont(19);

    q.solution([=](Steps &s) {
        s << "I — хибне: через дві точки проходить лише одна пряма.";
        s << "II — хибне: дві прямі, перпендикулярні до третьої, у просторі можуть бути мимобіжними.";
        s << "III — правильне: це ознака перпендикулярності прямої і площини.";
        s << "IV — правильне: це ознака паралельності прямої і площини.";
        s.answer();
    });
}
