#pragma once
// The plain model of a question window: what its template generated (texts,
// options, deal, key) and where each label and picture box stands. Windows
// render it; the bank check and the gallery read it without building widgets.
#include "rng.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QJsonObject;

namespace vzt {

class Steps;

struct Font {
    QString family = QStringLiteral("Tahoma");
    int px = 24;
    bool bold = true;
    bool italic = false;
    QColor color = QColor(0, 0, 255);
};

Font lineFont();        // Tahoma 24 px bold, blue: question lines, letters, slots
Font smallFont();       // Tahoma 16 px regular, blue: indices, bases, exponents
Font smallFont(int px); // the same at another size
Font instructionFont(); // Tahoma 21 px bold italic, lime green

struct LabelItem {
    QString name;
    QString text; // stored text, control characters kept
    int left = 0;
    int top = 0;
    Font font;
    bool visible = true;
};

struct ImageItem {
    QString name;
    QString file; // as the template names it, e.g. "SpS\N1.bmp"
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool proportional = false;
    bool visible = true;
    QImage picture;
};

struct Page {
    // Identity
    int form = 0;     // class number: TForm<form>
    QString unit;     // module name, e.g. "QN1"
    int test = 0;     // 0 for windows without a question
    int question = 0;

    // Window
    bool maximized = true;
    QRect normalGeometry; // where a non-maximized window opens
    QPoint closeButton{1077, 56};

    std::deque<LabelItem> labels; // deque: references stay valid
    std::deque<ImageItem> images;

    // The generated question
    bool generated = false;       // a template ran and dealt its options
    Deal deal{};                  // deal[k-1] = option in slot k
    int key = 0;                  // slot of the right option, 0 before the deal
    int right = 0;                // option number of the right answer
    QStringList options;          // options 1..5: texts or picture file names
    QStringList optionForms;      // what the learner sees of each option
    bool pictureOptions = false;
    // The worked solution, built when it is first shown (engine/solution.h).
    std::function<void(Steps &)> solver;

    QString className() const { return QStringLiteral("TForm%1").arg(form); }
    LabelItem *findLabel(const QString &name);
    const LabelItem *findLabel(const QString &name) const;
    ImageItem *findImage(const QString &name);
    const ImageItem *findImage(const QString &name) const;
    LabelItem &label(const QString &name); // created empty, at (10, 16), when absent
    ImageItem &image(const QString &name);
};

// The letters of the five slots: "А" .. "Д" for 1 .. 5, empty otherwise; and
// back (0 for anything else).
QString slotLetter(int slot);
int slotItem(QStringView letter);

// Text as a label draws it: the control characters of code 5 and code 7
// stand for the modulus bar and the multiplication dot.
QString displayText(const QString &stored);

// A question page as the learner saw it, in the form the gallery's bank.json
// and the results journal keep: unit, test, question, the deal and key once
// dealt, every label (stored text and position) and every picture box.
QJsonObject describePage(const Page &page);
// A page read back from its description, as far as it tells (no pictures
// read, no options); what it lacks takes the standard values.
Page pageFromDescription(const QJsonObject &description);

} // namespace vzt
