#pragma once
// Layout shapes shared by the Test 10 windows.
#include "question.h"

#include <QSize>

#include <initializer_list>

namespace vzt::test10 {

// Text questions: the letters in the narrow row at top 223, the slot labels
// under them at top 313, the instruction at (11, 372).
inline Grid narrowGrid(const Lefts &lefts = kNarrowLefts)
{
    return Grid{lefts, 223, lefts, 313, 372};
}

// The narrow row moved left, for the windows with a picture on the right.
inline constexpr Lefts kLeftShiftedLefts{7, 159, 335, 493, 653};

// Picture questions: the letters in the wide row at top 289, the slot
// picture boxes under them at top 335.
inline Grid wideGrid() { return Grid{kWideLefts, 289, kWideLefts, 375, 455}; }
inline constexpr Lefts kBoxLefts{55, 285, 515, 737, 967};
inline constexpr int kBoxTop = 335;

// Question line n (1..5) at (left, top), "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int left, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], left, top).text = text;
}

// Question lines 1, 2, ... at left 10 and the given tops.
inline void linesAt(Q &q, std::initializer_list<int> tops, const QStringList &texts)
{
    int n = 1;
    for (int top : tops) {
        lineAt(q, n, 10, top, texts.value(n - 1));
        ++n;
    }
}

// The windows whose text begins lower, at top 53 (a second line 32 px below).
inline void lowLines(Q &q, const QString &first, const QString &second = QString())
{
    lineAt(q, 1, 10, 53, first);
    lineAt(q, 2, 10, 85, second);
}

// Picture options in boxes of `size` under the letters, shown at their own
// size (option 1 right); the slot labels are set empty.
inline void pictures(Q &q, const QStringList &files, QSize size, const Lefts &lefts = kBoxLefts)
{
    q.pictureOptions(files, 1, kBoxTop, size, lefts, false);
}

// A number as the texts show it.
inline QString num(long long v) { return QString::number(v); }

} // namespace vzt::test10
