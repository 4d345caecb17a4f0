#pragma once
// Layout shapes shared by the Test 8 windows.
#include "question.h"

#include <QSize>

namespace vzt::test8 {

// Questions 1, 2, 16 and 18: the narrow grid, letters at top 223, the slot
// labels 90 below them, the instruction at (11, 372).
inline Grid narrowGrid()
{
    return Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372};
}

// The slot picture boxes of most picture questions: top 335, under the
// letters of the wide grid.
inline constexpr Lefts kBoxLefts{55, 285, 515, 737, 967};
inline constexpr int kBoxTop = 335;

// Question line n (1..5) at (left, top), "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int left, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], left, top).text = text;
}

// The option pictures "SpS\<stem>1<suffix>.bmp" … "SpS\<stem>5<suffix>.bmp",
// option 1 right, each shown at its own size in a slot box of `size`.
inline void pictures(Q &q, const QString &stem, QSize size, const Lefts &lefts = kBoxLefts,
                     const QString &suffix = QString())
{
    QStringList files;
    for (int k = 1; k <= 5; ++k)
        files << QStringLiteral("SpS\\%1%2%3.bmp").arg(stem).arg(k).arg(suffix);
    q.pictureOptions(files, 1, kBoxTop, size, lefts, false);
}

// Whole numbers as the texts and options show them.
inline QString num(long long v) { return QString::number(v); }

} // namespace vzt::test8
