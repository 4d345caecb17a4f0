#pragma once
// Layout shapes shared by the Test 6 windows: the wide answer grid with
// picture options at top 335 under the letters.
#include "question.h"

#include <QSize>

namespace vzt::test6 {

// Question line n (1..5) at (10, top), "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], 10, top).text = text;
}

// The windows whose second line is Label8 (at `secondTop`): Label14 is there
// a small empty label at (631, indexTop), 12 px regular blue.
inline void twoLines(Q &q, const QString &first, const QString &second = QString(),
                     int secondTop = 64, int indexTop = 47)
{
    lineAt(q, 1, 24, first);
    lineAt(q, 3, secondTop, second);
    q.label("Label14", 631, indexTop, smallFont(12)).text.clear();
}

// Lefts of the picture boxes that stand under the letters: a picture is shown
// from its box's top-left, so each box begins a little left of its letter.
inline constexpr Lefts kUnderLetters{40, 270, 499, 728, 958};

// "SpS\<stem>1<suffix>.bmp" ... "SpS\<stem>5<suffix>.bmp": the option files
// of a question, option 1 first.
inline QStringList optionFiles(const QString &stem, const QString &suffix = QString())
{
    QStringList files;
    for (int k = 1; k <= 5; ++k)
        files << "SpS\\" + stem + QString::number(k) + suffix + ".bmp";
    return files;
}

// Picture options (option 1 right) in boxes of `size` at top 335, shown at
// their own size; by default under the letters.
inline void pictures(Q &q, const QStringList &files, QSize size, const Lefts &lefts)
{
    q.pictureOptions(files, 1, 335, size, lefts, false);
}
inline void pictures(Q &q, const QStringList &files, QSize size)
{
    pictures(q, files, size, kUnderLetters);
}

} // namespace vzt::test6
