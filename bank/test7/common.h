#pragma once
// Layout shapes shared by the Test 7 windows.
#include "question.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace vzt::test7 {

// Text questions in the narrow grid: the letters at top 223, the slot labels
// under them at top 313, the instruction at (11, 372).
inline Grid narrowGrid()
{
    return Grid{kNarrowLefts, 223, kNarrowLefts, 313, 372};
}

// The rows of picture boxes under the letters of the wide grid: formulas in
// questions 1 and 3, taller expressions in questions 6 and 8.
inline constexpr Lefts kFormulaLefts{42, 270, 496, 727, 955};
inline constexpr Lefts kExpressionLefts{54, 282, 508, 739, 967};

// Question line n (1..5) at (left, top), "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int left, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], left, top).text = text;
}

// The option files "SpS\<stem>1.bmp" ... "SpS\<stem>5.bmp".
inline QStringList optionFiles(const QString &stem)
{
    QStringList files;
    for (int k = 1; k <= 5; ++k)
        files << "SpS\\" + stem + QString::number(k) + ".bmp";
    return files;
}

// Picture options at top 335 under the letters of the wide grid, each shown
// at its own size (option 1 right).
inline void pictures(Q &q, const QString &stem, QSize size, const Lefts &lefts, int top = 335)
{
    q.pictureOptions(optionFiles(stem), 1, top, size, lefts, false);
}

// Picture options in boxes of one size placed one by one (box K is the box
// of slot K), scaled down proportionally where larger (option 1 right).
inline void picturesAt(Q &q, const QString &stem, QSize size, const std::array<QPoint, 5> &at)
{
    std::array<QRect, 5> boxes;
    for (int k = 0; k < 5; ++k)
        boxes[k] = QRect(at[k], size);
    q.pictureOptions(optionFiles(stem), 1, boxes, true);
}

// Windows with a layout of their own: the letters placed one by one.
inline void lettersAt(Q &q, const std::array<QPoint, 5> &at)
{
    for (int k = 0; k < 5; ++k) {
        LabelItem &l = q.label(kLetterLabels[k]);
        l.left = at[k].x();
        l.top = at[k].y();
    }
}

// The instruction split over labels placed one by one.
inline void instructionAt(Q &q, const QStringList &names, const std::array<QPoint, 4> &at,
                          const QStringList &lines)
{
    for (int i = 0; i < names.size(); ++i)
        q.label(names[i], at[i].x(), at[i].y(), instructionFont()).text = lines[i];
}

// Coordinates as the options write them: "(x;y;z)".
inline QString triple(long long x, long long y, long long z)
{
    return "(" + QString::number(x) + ";" + QString::number(y) + ";" + QString::number(z) + ")";
}

} // namespace vzt::test7
