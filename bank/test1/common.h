#pragma once
// Small shapes shared by the Test 1 templates.
#include "question.h"

#include <array>

namespace vzt::test1 {

// A row of small labels Label15 … Label19, one per slot: the label of slot K
// shows the mark (denominator, base, exponent) of the option dealt to slot K.
// Each non-empty mark is added to what the learner sees of its option,
// joined by `join` ("/" for a denominator, "^" for an exponent ...).
inline void marksBySlot(Q &q, const QStringList &marks, const Lefts &lefts, int top,
                        const Font &font, const QString &join)
{
    static const std::array<QString, 5> names{"Label15", "Label16", "Label17", "Label18",
                                              "Label19"};
    for (int k = 1; k <= 5; ++k) {
        const int option = q.page().deal[k - 1];
        q.label(names[k - 1], lefts[k - 1], top, font).text = marks[option - 1];
    }
    for (int option = 1; option <= 5; ++option)
        if (!marks[option - 1].isEmpty())
            q.addToForm(option, join + marks[option - 1]);
}

// Lefts of the small labels that stand beside the slot labels of the
// shifted grid (bases under "log", exponents over a number).
inline constexpr Lefts kSmallMarkLefts{172, 332, 508, 680, 836};

} // namespace vzt::test1
