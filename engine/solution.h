#pragma once
// Worked solutions. A template describes its solution beside its draws, as a
// teacher says it at the board, with this variant's numbers:
//
//   q.solution([=](Steps &s) {
//       s << "Незіпсованих яблук 100 − " + val(P) + " = " + val(100 - P) + " %.";
//       s << "P = " + frac(100 - P, 100) + " = " + lowest(100 - P, 100) + ".";
//       s.answer();                   // "Відповідь: Г) 24/25"
//   });
//
// The steps are built only when they are first shown (or checked). A step is
// a sentence or a formula in rich text: powers and indices as <sup>, <sub>,
// "<" written as "&lt;". The last step names the right option with the
// letter of the slot it was dealt to, through the deal, so it cannot name
// another. Every equality of numbers a step states (100 − 4 = 96,
// 96/100 = 24/25) is evaluated exactly by checkSolution().
#include "page.h"

#include <functional>

namespace vzt {

class Steps {
public:
    explicit Steps(const Page &page) : page_(page) {}
    Steps &operator<<(const QString &step);
    // The last step: the right option as the learner sees it, with its letter.
    void answer();
    // The same where the options are pictures, or where an option's text
    // carries marks set apart (an index, an exponent): `form` writes the right
    // option in rich text as the learner sees it.
    void answer(const QString &form);
    // The same naming `option` (only the check's broken fixtures do this).
    void answerOption(int option, const QString &form);

    const QStringList &steps() const { return steps_; }
    int named() const { return named_; } // option the last step names, 0 if none
    bool ownForm() const { return ownForm_; }

private:
    const Page &page_;
    QStringList steps_;
    int named_ = 0;
    bool ownForm_ = false;
};

struct Solution {
    QStringList steps;    // rich text
    int named = 0;        // option named by the answer step
    bool ownForm = false; // the answer step writes the option in its own form
};

// The page's solution built now (empty when its template gives none).
Solution solve(const Page &page);
bool hasSolution(const Page &page);
// A step as plain text (tags dropped, entities and control codes read).
QString plainStep(const QString &step);

// What is wrong with a page's solution: not 2 to 6 steps, an empty step, a
// last step that is not the answer naming the keyed option with its slot
// letter, or an equality of numbers that does not hold. `equalities` counts
// the equalities evaluated.
QStringList checkSolution(const Page &page, const Solution &s, int *equalities = nullptr);

// ---- numbers as steps write them ("−" for minus, "," for the decimal point)
QString val(long long n);                      // −5
QString paren(long long n);                   // (−5) for a negative, else 5
QString signedTerm(long long n);              // " + 5" or " − 5"
QString frac(long long n, long long d);       // 6/8 as written
QString lowest(long long n, long long d);     // 3/4, or 2 when whole
QString dec(double x, int places = 2);        // 2,5 (at most `places` digits)
QString power(const QString &base, const QString &exp); // base<sup>exp</sup>

} // namespace vzt
