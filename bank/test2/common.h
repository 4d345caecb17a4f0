#pragma once
// Layout shapes shared by the Test 2 windows.
#include "question.h"

namespace vzt::test2 {

// Letters in one row at `letterTop`, the slot labels 90 pixels below them.
inline Grid rows(int letterTop, const Lefts &slotLefts, int instructionTop,
                 const Lefts &letterLefts = kNarrowLefts)
{
    return Grid{letterLefts, letterTop, slotLefts, letterTop + 90, instructionTop};
}

// Windows with picture options: the letters in the wide row above the boxes.
inline Grid pictureRows(int letterTop, int instructionTop)
{
    return rows(letterTop, kWideLefts, instructionTop, kWideLefts);
}

// Slot labels of the windows whose slots stand off their letters.
inline constexpr Lefts kOffsetSlotLefts{118, 290, 466, 634, 822};

// A number as the texts show it: plain decimal, "-" before a negative one.
inline QString num(long long v) { return QString::number(v); }

} // namespace vzt::test2
