#pragma once
// Layout shapes shared by the Test 4 windows.
#include "question.h"

#include <QSize>

namespace vzt::test4 {

// Question line n (1..5) at left 10 and the given top, "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], 10, top).text = text;
}

// Lines 1, 2, ... at tops 19, 63, 107, 151 (44 px apart).
inline void stackedLines(Q &q, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        lineAt(q, i + 1, 19 + 44 * i, texts[i]);
}

// The slot picture boxes of most picture questions: 115 x 65 at top 330.
inline constexpr Lefts kBoxLefts{39, 269, 499, 729, 959};
inline constexpr QSize kBoxSize{115, 65};
// Small boxes at top 335 (questions 9, 17, 19) and the wider boxes of
// questions 15 and 18.
inline constexpr Lefts kSmallBoxLefts{55, 285, 515, 737, 967};
inline constexpr Lefts kWideBoxLefts{23, 253, 483, 713, 943};

// The five option pictures "SpS\<stem>1.bmp" ... in the order given by `ends`
// ("O41" with {1, 2, 3, 4, 5} gives O411 ...; the stem may end in a digit).
inline QStringList files(const QString &stem, std::initializer_list<int> ends)
{
    QStringList out;
    for (int e : ends)
        out << "SpS\\" + stem + QString::number(e) + ".bmp";
    return out;
}

// Picture options shown at their own size, option 1 right.
inline void pictures(Q &q, const QStringList &files, int top = 330, QSize size = kBoxSize,
                     const Lefts &lefts = kBoxLefts)
{
    q.pictureOptions(files, 1, top, size, lefts, false);
}

// The root sign over the four blanks before a number of a question line.
inline void rootSign(Q &q, int left, int top)
{
    q.picture("Image7", "SpS\\sqrt.bmp", left, top, 27, 60, true);
}

// The options "n°" of an angle question.
inline QStringList degrees(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v) + "°";
    return out;
}

} // namespace vzt::test4
