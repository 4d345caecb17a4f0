// Question 17: the distance from a point of one plane to the line where two
// planes meet. The names of the planes and the given distance are small
// pictures that fill the gaps of the text.
#include "common.h"

using namespace vzt;
using namespace vzt::test10;

VZT_QUESTION(H17, 10, 17, 211)
{
    q.grid(wideGrid());
    linesAt(q, {13, 68, 112, 156},
            {"Кут між площинами       і       дорівнює 60°. Точка А, яка",
             "лежить у плошині       , віддалена від площини      на",
             "                   Знайдіть відстань від точки А до прямої",
             "перетину площин        і"});

    const QString alpha = "SpS\\Q10171.bmp", beta = "SpS\\Q10172.bmp";
    q.picture("Image1", alpha, 265, 5, 38, 52, true);
    q.picture("Image8", beta, 321, 5, 38, 52, true);
    q.picture("Image9", alpha, 250, 58, 38, 52, true);
    q.picture("Image10", beta, 604, 58, 38, 52, true);
    q.picture("Image11", "SpS\\Q10173.bmp", 4, 99, 134, 59, true);
    q.picture("Image12", alpha, 242, 149, 38, 52, true);
    q.picture("Image13", beta, 303, 149, 38, 52, true);
    q.picture("Image7", "SpS\\Q10174.bmp", 747, 5, 394, 187, true);

    pictures(q,
             {"SpS\\O10171.bmp", "SpS\\O10172.bmp", "SpS\\O10173.bmp", "SpS\\O10174.bmp",
              "SpS\\O10175.bmp"},
             QSize(134, 59));
    q.label("Label9", 10, 200); // slot А's label stands under the text, empty

    q.solution([=](Steps &s) {
        s << "AH — перпендикуляр до площини β, AH = d; AK — перпендикуляр до прямої перетину площин.";
        s << "За теоремою про три перпендикуляри HK також перпендикулярна до цієї прямої.";
        s << "Тому ∠AKH — лінійний кут між площинами: ∠AKH = 60°.";
        s << "У прямокутному трикутнику AHK: AK = AH/sin 60° = d/(√3/2) = 2d/√3.";
        s.answer("2d/√3");
    });
}
