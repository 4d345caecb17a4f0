#pragma once
// Layout shapes shared by the Test 3 windows.
#include "question.h"

#include <QRect>
#include <array>

namespace vzt::test3 {

// Questions 1 to 10 with text options: letters at top 223, the slot labels
// under them at top 313, the instruction at (11, 372).
inline Grid textGrid()
{
    return Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372};
}

// Windows with picture options: the letters in the wide row at `letterTop`.
inline Grid pictureGrid(int letterTop, int instructionTop)
{
    return Grid{kWideLefts, letterTop, kWideLefts, letterTop + 86, instructionTop};
}

// The slot picture boxes most picture questions use: 149 x 87 under the letters.
inline constexpr Lefts kBoxLefts{37, 267, 497, 727, 957};
inline constexpr QSize kBoxSize{149, 87};

// Question line n (1..5) at (left, top), "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int left, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], left, top).text = text;
}

// The two question lines of the windows of questions 11 to 20: (10, 21), (10, 70).
inline void upperLines(Q &q, const QString &first, const QString &second = QString())
{
    lineAt(q, 1, 10, 21, first);
    lineAt(q, 2, 10, 70, second);
}

// Picture options whose boxes show the picture at its own size (option 1 right).
inline void pictures(Q &q, const QStringList &files, int top, QSize size = kBoxSize,
                     const Lefts &lefts = kBoxLefts)
{
    q.pictureOptions(files, 1, top, size, lefts, false);
}

} // namespace vzt::test3
