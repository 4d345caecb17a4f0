#pragma once
// Layout shapes shared by the Test 9 windows.
#include "question.h"

#include <QSize>

namespace vzt::test9 {

// The slot picture boxes stand at top 335 under the letters of the wide
// grid; several windows use a row of wider boxes instead.
inline constexpr Lefts kBoxLefts{55, 285, 515, 737, 967};
inline constexpr Lefts kWideBoxLefts{3, 239, 476, 712, 947};

// The option pictures "SpS\<stem>1.bmp" … "SpS\<stem>5.bmp", option 1 right,
// each shown at its own size in the box of the slot it was dealt to.
inline void optionPictures(Q &q, const QString &stem, QSize size, const Lefts &lefts = kBoxLefts)
{
    QStringList files;
    for (int k = 1; k <= 5; ++k)
        files << QStringLiteral("SpS\\%1%2.bmp").arg(stem).arg(k);
    q.pictureOptions(files, 1, 335, size, lefts, false);
}

// Five numbers around the right value v: v (right), v + 1, v − 1, v + 2, v − 2.
inline QStringList around(long long v)
{
    return {QString::number(v), QString::number(v + 1), QString::number(v - 1),
            QString::number(v + 2), QString::number(v - 2)};
}

inline QString blanks(int n) { return QString(n, QLatin1Char(' ')); }

// Question lines 1, 2, … at left 10 from `top`, `step` pixels apart: lower
// than the standard lines where a formula beside line 1 needs the room.
inline void linesFrom(Q &q, int top, int step, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        q.label(kLineLabels[i], 10, top + step * i).text = texts[i];
}

} // namespace vzt::test9
