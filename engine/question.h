#pragma once
// What a question template works with. A module reads like its card:
//
//   VZT_QUESTION(QN3, 1, 3, 6)            // unit, test, question, TForm6
//   {
//       const int A = q.draw(2, 9);
//       ...
//       q.grid(...);
//       q.line(1, "...");
//       q.textOptions({...}, 1);          // deals, writes the key, fills slots
//   }
//
// Everything a template touches outside its page (the generator, tables,
// pictures, key files) goes through an Env, so the same template runs in the
// program, in the gallery and in the bank check.
#include "errors.h"
#include "page.h"
#include "solution.h"

#include <QByteArray>
#include <QImage>
#include <array>
#include <optional>
#include <vector>

namespace vzt {

class Env {
public:
    virtual ~Env() = default;
    virtual Rng &rng() = 0;
    virtual QByteArray table(const QString &name) = 0;    // raises "File not found"
    // k integers of row r of a table (read from the table's start).
    virtual std::vector<long long> row(const QString &name, int r, int k);
    // The row a template draws from a table of `rows` rows: RandomIn(1, rows).
    virtual int pickRow(int rows) { return rng().RandomIn(1, rows); }
    virtual QImage picture(const QString &name) = 0;      // raises when it cannot be read
    virtual void writeKey(int test, int question, int key) = 0;
};

using Lefts = std::array<int, 5>;
inline constexpr Lefts kNarrowLefts{162, 314, 490, 648, 808};
inline constexpr Lefts kNarrowSlotLefts{162, 320, 496, 664, 824};
inline constexpr Lefts kShiftedLefts{132, 290, 466, 634, 794};
inline constexpr Lefts kWideLefts{64, 294, 523, 752, 982};
inline constexpr Lefts kPictureBoxLefts{16, 246, 476, 706, 936};

struct Grid {
    Lefts letterLefts = kWideLefts;
    int letterTop = 289;
    Lefts slotLefts = kWideLefts;
    int slotTop = 375;
    int instructionTop = 455;
    QPoint close{1077, 56};
    int instructionLeft = 11;
};

// Names of the fixed components.
inline const std::array<QString, 5> kLetterLabels{"Label2", "Label3", "Label4", "Label6", "Label7"};
inline const std::array<QString, 5> kSlotLabels{"Label9", "Label10", "Label11", "Label12", "Label13"};
inline const std::array<QString, 5> kSlotImages{"Image2", "Image3", "Image4", "Image5", "Image6"};
inline const std::array<QString, 5> kLineLabels{"Label1", "Label14", "Label8", "Label15", "Label16"};

inline const QString kInstruction = QStringLiteral(
    "Знайдіть правильну відповідь, закрийте форму із запитанням і введіть відповідь в основній формі");
inline const QString kFractionBar = QStringLiteral("SpS\\chdr4.bmp");

class Q {
public:
    Q(Page &page, Env &env) : page_(page), env_(env) {}

    Page &page() { return page_; }

    // ---- draws
    int draw(int lo, int hi) { return env_.rng().RandomIn(lo, hi); }
    // Draws a row number with draw(1, rows) and reads k integers of it.
    std::vector<long long> row(const QString &table, int rows, int k);

    // ---- layout
    void grid(const Grid &g);
    void line(int n, const QString &text);  // question line 1..5 (Label1, Label14, Label8, Label15, Label16)
    void lines(const QStringList &texts); // lines 1, 2, ... in turn
    LabelItem &label(const QString &name) { return page_.label(name); }
    LabelItem &label(const QString &name, int left, int top, const Font &font = lineFont());
    ImageItem &box(const QString &name, int left, int top, int width, int height,
                   bool proportional = true);
    void load(const QString &box, const QString &file); // load a picture into a box
    // A fixed picture: place the box, then load it.
    void picture(const QString &name, const QString &file, int left, int top, int width,
                 int height, bool proportional = true);
    // The instruction split over several labels (Label5 then the names given).
    void instructionLines(const QStringList &names, const QStringList &lines, int left,
                          int top, int step);

    // ---- options
    // Deals the five options, derives and writes the key. Nothing is shown yet.
    void deal(const QStringList &options, int right);
    // deal(), then shows option dK in slot label K.
    void textOptions(const QStringList &options, int right);
    // deal(), then loads option dK into the slot picture box of slot K (boxes
    // placed at `lefts`, `top`, `size`); the slot labels are set empty.
    void pictureOptions(const QStringList &files, int right, int top, QSize size,
                        const Lefts &lefts = kPictureBoxLefts, bool proportional = true);
    // The same with the five slot picture boxes placed one by one (box K is
    // the box of slot K); the slot labels keep whatever the window gave them.
    void pictureOptions(const QStringList &files, int right, const std::array<QRect, 5> &boxes,
                        bool proportional);
    // Options in fixed slots (option K in slot K): no deal and no draw; writes
    // `key` and shows the options in the slot labels.
    void fixedSlots(const QStringList &options, int key);
    int slotOf(int option) const;                 // after the deal
    LabelItem &slotLabel(int slot) { return page_.label(kSlotLabels[slot - 1]); }
    LabelItem &slotLabelOf(int option) { return slotLabel(slotOf(option)); }
    // Adds `text` to what the learner sees of an option (an exponent, a base).
    void addToForm(int option, const QString &text);
    // Shows `option` as a stacked fraction in the slot it was dealt to, with
    // the denominator in Label14 and the bar in Image1.
    void stackedFraction(int option, const QString &numerator, const QString &denominator);

    // ---- the worked solution, built only when shown (engine/solution.h)
    void solution(std::function<void(Steps &)> steps) { page_.solver = std::move(steps); }

    // A key file that could not be written, raised once the window is
    // complete: the question stays usable (its key file reads no right key).
    const std::optional<Error> &keyError() const { return keyError_; }

private:
    void writeKey(int key);
    Page &page_;
    Env &env_;
    std::optional<Error> keyError_;
};

// The windows whose five slots are large pictures in two rows, А Б В over
// Г Д, with the instruction in four lines at the lower left: places the
// letters, deals `files` into proportional boxes of `size` and splits the
// instruction. The question lines are the template's own.
void twoRowPictureSlots(Q &q, const QStringList &files, int right, QSize size);

// ---- registry of templates
using Template = void (*)(Q &);

struct TemplateInfo {
    int test;
    int question;
    const char *unit;
    int form;
    Template make;
};

const std::vector<TemplateInfo> &templates();
const TemplateInfo *findTemplate(int form);

struct Registrar {
    explicit Registrar(const TemplateInfo &info);
};

// The common page of a question window before its template runs: the
// letters, the instruction line and "X" in the wide grid, empty text lines.
Page commonPage(int form, const QString &unit, int test, int question);

// Builds a question window's page: the common layout, then its template (if
// any). An error stops the template; what it filled stays, and the error is
// raised again for the caller to report.
void runTemplate(Page &page, const TemplateInfo *info, Env &env);

} // namespace vzt

#define VZT_QUESTION(UNIT, TEST, QUESTION, FORM)                                         \
    static void UNIT##_template(vzt::Q &q);                                              \
    static const vzt::Registrar UNIT##_registrar{                                        \
        vzt::TemplateInfo{TEST, QUESTION, #UNIT, FORM, &UNIT##_template}};               \
    static void UNIT##_template(vzt::Q &q)
