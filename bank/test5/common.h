#pragma once
// Layout shapes shared by the Test 5 windows: the wide grid (the engine's
// default) with the picture options in boxes at top 335 under the letters.
#include "question.h"

#include <QSize>

namespace vzt::test5 {

// Question line n (1..5: Label1, Label14, Label8, Label15, Label16) at
// (10, top), "Tahoma" 24 px bold blue.
inline void lineAt(Q &q, int n, int top, const QString &text)
{
    q.label(kLineLabels[n - 1], 10, top).text = text;
}

// Picture options (option 1 right) in boxes of `size` at top 335, shown at
// their own size. The pictures are narrower than their boxes and drawn from
// the box's left, so box K starts `shift` pixels left of letter K: about half
// the width of the question's option pictures, less half a letter, which
// centres them under their letters.
inline void pictures(Q &q, const QStringList &files, QSize size, int shift)
{
    Lefts lefts{};
    for (int k = 0; k < 5; ++k)
        lefts[k] = kWideLefts[k] - shift;
    q.pictureOptions(files, 1, 335, size, lefts, false);
}

} // namespace vzt::test5
