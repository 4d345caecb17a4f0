// Question 16: the number of edges of a prism.
#include "common.h"

using namespace vzt;
using namespace vzt::test4;

namespace {
struct Prism {
    const char *adjective;
    QStringList options; // option 1 (3n, right) to option 5
};
} // namespace

VZT_QUESTION(M16, 4, 16, 83)
{
    static const Prism prisms[] = {
        {"п`ятикутної", {"15", "10", "5", "12", "11"}},
        {"шестикутної", {"18", "10", "7", "12", "16"}},
        {"семикутної", {"21", "10", "8", "14", "18"}},
        {"восьмикутної", {"24", "20", "12", "9", "18"}},
    };
    const int n = q.draw(5, 8); // the sides of the base
    const Prism &p = prisms[n - 5];

    q.grid(Grid{});
    lineAt(q, 1, 19, "Укажіть кількість ребер " + QString(p.adjective) + " призми.");
    q.textOptions(p.options, 1);

    q.solution([=](Steps &s) {
        s << "Кожна з двох основ призми має " + val(n) + " ребер, і ще " + val(n) +
                 " бічних ребер сполучають їхні вершини.";
        s << "Усього ребер: 2 · " + val(n) + " + " + val(n) + " = 3 · " + val(n) + " = " +
                 val(3 * n) + ".";
        s.answer();
    });
}
