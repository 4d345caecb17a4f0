#pragma once
// Independent checks of generated questions, used by the bank check only.
// A verifier looks at a page as the learner sees it (its texts and pictures)
// and recomputes what the right answer must be; it never calls the template.
//
//   VZT_VERIFY(QN3)
//   {
//       const int A = v.number(v.text("Label1"), ...);
//       v.expect(v.keyedForm() == QString::number(...), "keyed option is n");
//   }
#include "page.h"

#include <functional>
#include <vector>

namespace vzt {

class Verdict {
public:
    explicit Verdict(const Page &page) : page(page) {}
    const Page &page;
    QStringList failures;

    void expect(bool ok, const QString &what)
    {
        if (!ok)
            failures << what;
    }
    QString text(const QString &label) const
    {
        const LabelItem *l = page.findLabel(label);
        return l ? l->text : QString();
    }
    // What the learner sees of the option in the keyed slot, and of option k.
    QString keyedForm() const { return page.optionForms.value(page.deal[page.key - 1] - 1); }
    QString form(int option) const { return page.optionForms.value(option - 1); }
    QString file(const QString &image) const
    {
        const ImageItem *i = page.findImage(image);
        return i ? i->file : QString();
    }
    int keyedOption() const { return page.deal[page.key - 1]; }
    // The keyed option reads `answer` and no other option reads it.
    void onlyKeyed(const QString &answer);
    // `holds` is true of the keyed option's form and of no other.
    void onlyKeyedWhere(const std::function<bool(const QString &form)> &holds,
                        const QString &what);
};

// The unsigned whole numbers written in a text, in order ("0,25" gives 0 and 25;
// a "-" only separates).
std::vector<long long> numbersIn(const QString &text);
// The integers of a text, in order, with their signs.
std::vector<long long> signedNumbersIn(const QString &text);
// The integers that `pattern` captures in `text`; empty when it does not match.
std::vector<long long> captures(const QString &text, const QString &pattern);

using Verifier = void (*)(const Page &, Verdict &);

struct VerifierInfo {
    const char *unit;
    Verifier fn;
};

const std::vector<VerifierInfo> &verifiers();

struct VerifierRegistrar {
    explicit VerifierRegistrar(const VerifierInfo &info);
};

} // namespace vzt

#define VZT_VERIFY(UNIT)                                                                  \
    static void UNIT##_verify(const vzt::Page &page, vzt::Verdict &v);                    \
    static const vzt::VerifierRegistrar UNIT##_verify_registrar{                          \
        vzt::VerifierInfo{#UNIT, &UNIT##_verify}};                                        \
    static void UNIT##_verify([[maybe_unused]] const vzt::Page &page, vzt::Verdict &v)
