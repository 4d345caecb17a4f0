// Question 16: the angle between a lateral edge of a pyramid and its base.
#include "common.h"

using namespace vzt;
using namespace vzt::test7;

VZT_QUESTION(W16, 7, 16, 146)
{
    lineAt(q, 1, 10, 48, "Висота SO правильної піраміди SABC дорівнює ");
    q.picture("Image7", "SpS\\Q716s.bmp", 625, 43, 83, 43, true);
    lineAt(q, 2, 10, 105, "а  висота BN - 6. Знайдіть кут нахилу бічного ребра SB");
    q.picture("Image1", "SpS\\Q717.bmp", 759, 3, 328, 275, true);
    pictures(q, "O415", QSize(163, 69), Lefts{23, 253, 483, 713, 943}, 330);
    // The third line stands in the label of slot А.
    q.label("Label9", 10, 159).text = "до площини основи піраміди.";
    q.solution([=](Steps &s) {
        s << "BO — проєкція ребра SB на площину основи, тому шуканий кут — ∠SBO.";
        s << "O — центр правильного трикутника ABC, точка перетину медіан: BO = 2/3 · BN.";
        s << "BO = 2/3 · 6 = 4.";
        s << "У прямокутному трикутнику SOB: tg ∠SBO = SO/BO = 4√3/4 = √3, отже ∠SBO = 60°.";
        s.answer("60°");
    });
}
