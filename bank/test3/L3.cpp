// Question 3: a line perpendicular to a plane in a cube. The options stand in
// fixed slots and the key is always 5 (slot Д).
#include "common.h"

using namespace vzt;
using namespace vzt::test3;

VZT_QUESTION(L3, 3, 3, 49)
{
    // Slot Д stands 8 px left of its letter, so that with Tahoma's blank
    // width the last index of Label16 falls right behind its "AB".
    Grid g = textGrid();
    g.slotLefts[4] = 800;
    q.grid(g);

    q.line(1, "На рисунку зображено куб АВСDA B C D . Укажіть пряму перпендикулярну ");
    q.line(2, "до площини А D CB.");
    q.label("Label8", 435, 39, smallFont(19)).text = "1   1  1  1";
    q.label("Label15", 189, 71, smallFont(19)).text = "1  1";
    q.picture("Image1", "SpS\\Q3.bmp", 848, 64, 239, 215, false);

    // Options in slot order А … Д; the right one is "AB" with index 1 under Д.
    q.fixedSlots({"DD", "AB", "B C", "DC", "AB"}, 5);
    q.page().optionForms = QStringList{"DD_1", "AB", "B_1C_1", "DC", "AB_1"};
    const QString blanks(50, QLatin1Char(' '));
    q.label("Label16", 198, 336, smallFont(19)).text = "1" + blanks + "1  1" + blanks + "1";

    q.solution([=](Steps &s) {
        s << "AB<sub>1</sub> і A<sub>1</sub>B — діагоналі квадрата ABB<sub>1</sub>A<sub>1</sub>, "
             "тому AB<sub>1</sub> ⊥ A<sub>1</sub>B.";
        s << "Ребро BC перпендикулярне до грані ABB<sub>1</sub>A<sub>1</sub>, тому BC ⊥ AB<sub>1</sub>.";
        s << "A<sub>1</sub>B і BC — прямі площини A<sub>1</sub>D<sub>1</sub>CB, що перетинаються, "
             "тож AB<sub>1</sub> ⊥ A<sub>1</sub>D<sub>1</sub>CB.";
        s.answer("AB<sub>1</sub>");
    });
}
