#include "question.h"

#include "datatable.h"
#include "errors.h"

#include <map>
#include <stdexcept>

namespace vzt {

std::vector<long long> Env::row(const QString &name, int r, int k)
{
    const QByteArray text = table(name);
    try {
        return readRow(text, r, k);
    } catch (Error &e) {
        e.setFile(name); // "Invalid numeric input" names the table
        throw;
    }
}

std::vector<long long> Q::row(const QString &table, int rows, int k)
{
    const int r = env_.pickRow(rows);
    return env_.row(table, r, k);
}

void Q::grid(const Grid &g)
{
    static const std::array<QString, 5> letters{"А", "Б", "В", "Г", "Д"};
    for (int k = 0; k < 5; ++k) {
        label(kLetterLabels[k], g.letterLefts[k], g.letterTop).text = letters[k];
        label(kSlotLabels[k], g.slotLefts[k], g.slotTop);
    }
    label("Label5", g.instructionLeft, g.instructionTop, instructionFont()).text = kInstruction;
    page_.closeButton = g.close;
}

void Q::line(int n, const QString &text)
{
    // A line label not placed yet stands at its standard place: left 10,
    // tops 16, 48, 80, 112, 144.
    const bool placed = page_.findLabel(kLineLabels[n - 1]) != nullptr;
    LabelItem &l = page_.label(kLineLabels[n - 1]);
    if (!placed) {
        l.left = 10;
        l.top = 16 + 32 * (n - 1);
    }
    l.text = text;
}

void Q::lines(const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        line(i + 1, texts[i]);
}

LabelItem &Q::label(const QString &name, int left, int top, const Font &font)
{
    LabelItem &l = page_.label(name);
    l.left = left;
    l.top = top;
    l.font = font;
    return l;
}

ImageItem &Q::box(const QString &name, int left, int top, int width, int height,
                  bool proportional)
{
    ImageItem &i = page_.image(name);
    i.left = left;
    i.top = top;
    i.width = width;
    i.height = height;
    i.proportional = proportional;
    i.visible = true;
    return i;
}

void Q::load(const QString &boxName, const QString &file)
{
    ImageItem &i = page_.image(boxName);
    i.picture = env_.picture(file);
    i.file = file;
}

void Q::picture(const QString &name, const QString &file, int left, int top, int width,
                int height, bool proportional)
{
    box(name, left, top, width, height, proportional);
    load(name, file);
}

void Q::instructionLines(const QStringList &names, const QStringList &lines, int left,
                         int top, int step)
{
    for (int i = 0; i < names.size(); ++i)
        label(names[i], left, top + step * i, instructionFont()).text = lines.value(i);
}

void Q::deal(const QStringList &options, int right)
{
    if (options.size() != 5 || right < 1 || right > 5)
        throw std::logic_error("a question has five options and one right option");
    page_.options = options;
    page_.optionForms = options;
    page_.right = right;
    page_.deal = env_.rng().DealSlots();
    page_.key = keyOf(page_.deal, right);
    page_.generated = true;
    writeKey(page_.key);
}

void Q::textOptions(const QStringList &options, int right)
{
    deal(options, right);
    for (int k = 1; k <= 5; ++k)
        slotLabel(k).text = options[page_.deal[k - 1] - 1];
}

void Q::pictureOptions(const QStringList &files, int right, int top, QSize size,
                       const Lefts &lefts, bool proportional)
{
    std::array<QRect, 5> boxes;
    for (int k = 0; k < 5; ++k) {
        slotLabel(k + 1).text.clear();
        boxes[k] = QRect(QPoint(lefts[k], top), size);
    }
    pictureOptions(files, right, boxes, proportional);
}

void Q::pictureOptions(const QStringList &files, int right, const std::array<QRect, 5> &boxes,
                       bool proportional)
{
    deal(files, right);
    page_.pictureOptions = true;
    for (int k = 0; k < 5; ++k)
        box(kSlotImages[k], boxes[k].left(), boxes[k].top(), boxes[k].width(), boxes[k].height(),
            proportional);
    for (int k = 1; k <= 5; ++k)
        load(kSlotImages[k - 1], files[page_.deal[k - 1] - 1]);
}

void Q::fixedSlots(const QStringList &options, int key)
{
    if (options.size() != 5 || key < 1 || key > 5)
        throw std::logic_error("a question has five options and one right option");
    page_.options = options;
    page_.optionForms = options;
    page_.right = key;
    page_.deal = Deal{1, 2, 3, 4, 5};
    page_.key = key;
    page_.generated = true;
    writeKey(key);
    for (int k = 1; k <= 5; ++k)
        slotLabel(k).text = options[k - 1];
}

void Q::writeKey(int key)
{
    try {
        env_.writeKey(page_.test, page_.question, key);
    } catch (const Error &e) {
        keyError_ = e;
    }
}

int Q::slotOf(int option) const { return keyOf(page_.deal, option); }

void Q::addToForm(int option, const QString &text)
{
    page_.optionForms[option - 1] += text;
}

void Q::stackedFraction(int option, const QString &numerator, const QString &denominator)
{
    LabelItem &slot = slotLabelOf(option);
    const int L = slot.left;
    const int T = slot.top - 21;
    slot.top = T;
    slot.text = numerator;
    LabelItem &den = page_.label("Label14");
    den.left = L;
    den.top = T + 42;
    den.font = lineFont();
    den.text = denominator;
    page_.optionForms[option - 1] = numerator + "/" + denominator;
    picture("Image1", kFractionBar, L - 5, T + 35, 30, 10);
}

void twoRowPictureSlots(Q &q, const QStringList &files, int right, QSize size)
{
    static const std::array<QPoint, 5> letters{QPoint(64, 56), QPoint(464, 56), QPoint(846, 56),
                                               QPoint(432, 373), QPoint(818, 375)};
    static const std::array<QPoint, 5> corners{QPoint(16, 88), QPoint(416, 88), QPoint(799, 88),
                                               QPoint(386, 415), QPoint(772, 415)};
    std::array<QRect, 5> boxes;
    for (int k = 0; k < 5; ++k) {
        LabelItem &l = q.label(kLetterLabels[k]);
        l.left = letters[k].x();
        l.top = letters[k].y();
        boxes[k] = QRect(corners[k], size);
    }
    q.pictureOptions(files, right, boxes, true);
    q.instructionLines({"Label5", "Label14", "Label9", "Label10"},
                       {"Знайдіть правильну відповідь,", "закрийте форму із запитанням",
                        "і введіть відповідь в основній", "формі"},
                       11, 386, 40);
    q.label("Label14").left = 10;
}

// ---- registry

namespace {
std::vector<TemplateInfo> &registry()
{
    static std::vector<TemplateInfo> r;
    return r;
}
} // namespace

Registrar::Registrar(const TemplateInfo &info) { registry().push_back(info); }

const std::vector<TemplateInfo> &templates() { return registry(); }

const TemplateInfo *findTemplate(int form)
{
    for (const auto &t : registry())
        if (t.form == form)
            return &t;
    return nullptr;
}

Page commonPage(int form, const QString &unit, int test, int question)
{
    Page p;
    p.form = form;
    p.unit = unit;
    p.test = test;
    p.question = question;
    static const int lineTops[3] = {16, 48, 80};
    for (int i = 0; i < 3; ++i) {
        LabelItem &l = p.label(kLineLabels[i]);
        l.top = lineTops[i];
    }
    return p;
}

void runTemplate(Page &page, const TemplateInfo *info, Env &env)
{
    Q q(page, env);
    q.grid(Grid{});
    if (info)
        info->make(q);
    if (q.keyError())
        throw *q.keyError();
}

} // namespace vzt

#include "verify.h"

#include <QHash>
#include <QRegularExpression>

namespace vzt {

namespace {
std::vector<VerifierInfo> &verifierRegistry()
{
    static std::vector<VerifierInfo> r;
    return r;
}
} // namespace

void Verdict::onlyKeyed(const QString &answer)
{
    expect(keyedForm() == answer, "keyed option " + keyedForm() + " is " + answer);
    for (int k = 1; k <= 5; ++k)
        if (k != keyedOption())
            expect(form(k) != answer, QStringLiteral("option %1 also reads %2").arg(k).arg(answer));
}

void Verdict::onlyKeyedWhere(const std::function<bool(const QString &)> &holds,
                             const QString &what)
{
    for (int k = 1; k <= 5; ++k) {
        const bool h = holds(form(k));
        if (k == keyedOption())
            expect(h, "keyed option " + form(k) + " is not " + what);
        else
            expect(!h, "option " + form(k) + " is also " + what);
    }
}

namespace {
std::vector<long long> allMatches(const QRegularExpression &re, const QString &text)
{
    std::vector<long long> out;
    for (auto it = re.globalMatch(text); it.hasNext();)
        out.push_back(it.next().captured().toLongLong());
    return out;
}
} // namespace

std::vector<long long> numbersIn(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    return allMatches(digits, text);
}

std::vector<long long> signedNumbersIn(const QString &text)
{
    static const QRegularExpression integers(QStringLiteral("-?[0-9]+"));
    return allMatches(integers, text);
}

std::vector<long long> captures(const QString &text, const QString &pattern)
{
    static QHash<QString, QRegularExpression> compiled;
    auto it = compiled.find(pattern);
    if (it == compiled.end())
        it = compiled.insert(pattern, QRegularExpression(pattern));
    const auto m = it->match(text);
    std::vector<long long> out;
    if (m.hasMatch())
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            out.push_back(m.captured(i).toLongLong());
    return out;
}

VerifierRegistrar::VerifierRegistrar(const VerifierInfo &info) { verifierRegistry().push_back(info); }

const std::vector<VerifierInfo> &verifiers() { return verifierRegistry(); }

} // namespace vzt
