#include "printout.h"

#include "errors.h"
#include "look.h"
#include "questionwindow.h"
#include "tests.h"

#include <QHash>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace vzt {

std::uint32_t variantSeed(std::uint32_t seed, int v)
{
    if (v <= 1)
        return seed;
    // A 32-bit finalizer of (seed, v): neighbouring variants draw unrelated
    // numbers, where seed + 1 would start the generator close to seed's path.
    std::uint32_t x = seed ^ (std::uint32_t(v) * 0x9E3779B9u);
    x ^= x >> 16;
    x *= 0x85EBCA6Bu;
    x ^= x >> 13;
    x *= 0xC2B2AE35u;
    x ^= x >> 16;
    return x;
}

Variant generateVariant(int test, std::uint32_t seed, MemoryEnv &env)
{
    const TestInfo &t = testInfo(test);
    Variant v;
    v.seed = seed;
    v.pages.resize(20);
    env.generator.seed = seed;
    for (auto [form, k] : t.creationOrder()) {
        Page &p = v.pages[k - 1];
        p = commonPage(form, t.questions[k - 1].unit, t.test, k);
        try {
            runTemplate(p, findTemplate(form), env);
        } catch (const Error &e) {
            const QString what = e.file().isEmpty() || e.text().contains(e.file())
                ? e.text()
                : e.text() + QStringLiteral(": ") + e.file();
            throw Error(QStringLiteral("Test %1, question %2 (%3): %4")
                            .arg(test)
                            .arg(k)
                            .arg(p.unit, what),
                        e.file());
        }
    }
    return v;
}

namespace {

// Page geometry in points (1/72 inch) inside the printable area.
constexpr qreal kGutter = 26;     // question numbers stand in it
constexpr qreal kDesignWidth = 1150; // window pixels that fill the width
constexpr qreal kGap = 14;        // between questions
constexpr qreal kFooter = 22;     // footer band at the bottom
constexpr qreal kHeader = 58;     // title and name line on a variant's first page

// One question as its window shows it, without what only the screen needs
// ("X" and the instruction to close the window and answer on the sheet).
struct Block {
    std::unique_ptr<QWidget> content;
    QRect source; // what is printed, in window pixels
    const Page *page = nullptr;
    int question = 0;
    qreal scale = 1; // points per window pixel
    qreal height() const { return source.height() * scale; }
};

bool isInstruction(const LabelItem &l) { return l.font.color == instructionFont().color; }

Block questionBlock(const Page &page, qreal width)
{
    Block b;
    b.page = &page;
    b.question = page.question;
    b.content = std::make_unique<QWidget>();
    // pictures from their 2x twins where there are any: paper is sharper than a screen
    renderPage(page, b.content.get(), nullptr, 2);
    if (auto *x = b.content->findChild<QPushButton *>(QStringLiteral("Button1")))
        x->hide();
    for (const LabelItem &l : page.labels)
        if (isInstruction(l))
            if (auto *w = b.content->findChild<QLabel *>(l.name))
                w->hide();
    for (QLabel *l : b.content->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (l->isHidden())
            continue;
        const bool shows = !l->text().isEmpty() || !l->pixmap().isNull();
        if (shows)
            b.source |= l->geometry();
    }
    if (b.source.isEmpty())
        b.source = QRect(0, 0, 1, 1);
    b.content->resize(b.source.right() + 1, b.source.bottom() + 1);
    b.scale = width / std::max<qreal>(kDesignWidth, b.source.width());
    return b;
}

// A picture as paper shows it: its background drawn in the window's colour
// (so that it stands on the window unframed) becomes the paper's white.
QPixmap onPaper(const QPixmap &shown, const QColor &window)
{
    QImage img = shown.toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb from = window.rgb();
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (line[x] == from)
                line[x] = qRgb(255, 255, 255);
    }
    QPixmap p = QPixmap::fromImage(img);
    p.setDevicePixelRatio(shown.devicePixelRatio());
    return p;
}

QFont pointFont(qreal pt, bool bold = false, bool italic = false)
{
    // painter units are points, so a pixel size is a size in points
    return qfont(QStringLiteral("Tahoma"), int(pt), bold, italic);
}

class Printer {
public:
    Printer(QPagedPaintDevice &device, int test) : device_(device), test_(testInfo(test))
    {
        device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 10), QPageLayout::Millimeter));
        if (!painter_.begin(&device))
            throw Error(QStringLiteral("Cannot print: the output cannot be opened"));
        const qreal k = device.logicalDpiX() / 72.0;
        painter_.scale(k, k);
        area_ = device.pageLayout().paintRect(QPageLayout::Point).size();
    }

    void variant(const Variant &v)
    {
        std::vector<Block> blocks;
        const qreal width = area_.width() - kGutter;
        for (const Page &p : v.pages)
            blocks.push_back(questionBlock(p, width));
        // Pages: as many whole questions as fit, one after another.
        std::vector<std::vector<std::pair<Block *, qreal>>> pages(1);
        const qreal bottom = area_.height() - kFooter;
        qreal y = kHeader;
        for (Block &b : blocks) {
            const qreal top = pages.size() == 1 ? kHeader : 0;
            if (b.height() > bottom - top) // taller than a page: shrunk to fit one
                b.scale *= (bottom - top) / b.height();
            if (y + b.height() > bottom && !pages.back().empty()) {
                pages.emplace_back();
                y = 0;
            }
            pages.back().emplace_back(&b, y);
            y += b.height() + kGap;
        }
        for (std::size_t i = 0; i < pages.size(); ++i) {
            newPage();
            if (i == 0)
                header(v);
            for (auto [b, top] : pages[i])
                draw(*b, top);
            footer(v, int(i) + 1, int(pages.size()));
        }
    }

    void key(const std::vector<Variant> &variants)
    {
        newPage();
        painter_.setPen(Qt::black);
        painter_.setFont(pointFont(16, true, true));
        painter_.drawText(QRectF(0, 0, area_.width(), 24), Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("Відповіді. ") + test_.title());
        const qreal top = 36;
        const qreal rows = qreal(variants.size()) + 1;
        const qreal rowH = std::min<qreal>(20, (area_.height() - kFooter - top) / rows);
        const qreal numberW = 48, seedW = 78;
        const qreal cellW = (area_.width() - numberW - seedW) / 20;
        auto cell = [&](qreal x, qreal w, int row, const QString &text, bool bold) {
            const QRectF r(x, top + row * rowH, w, rowH);
            painter_.setFont(pointFont(std::min<qreal>(11, rowH * 0.6), bold));
            painter_.drawText(r, Qt::AlignCenter, text);
        };
        cell(0, numberW, 0, QStringLiteral("Варіант"), true);
        cell(numberW, seedW, 0, QStringLiteral("Зерно"), true);
        for (int q = 1; q <= 20; ++q)
            cell(numberW + seedW + (q - 1) * cellW, cellW, 0, QString::number(q), true);
        for (std::size_t r = 0; r < variants.size(); ++r) {
            const Variant &v = variants[r];
            const int row = int(r) + 1;
            cell(0, numberW, row, QString::number(v.number), false);
            cell(numberW, seedW, row, v.seed ? QString::number(*v.seed) : QString(), false);
            for (int q = 1; q <= 20; ++q)
                cell(numberW + seedW + (q - 1) * cellW, cellW, row,
                     (v.pages[q - 1].key ? slotLetter(v.pages[q - 1].key) : QStringLiteral("?")), true);
        }
        painter_.setPen(QPen(Qt::gray, 0.5));
        const qreal right = numberW + seedW + 20 * cellW;
        for (int r = 0; r <= int(rows); ++r)
            painter_.drawLine(QPointF(0, top + r * rowH), QPointF(right, top + r * rowH));
        std::vector<qreal> xs{0, numberW};
        for (int q = 0; q <= 20; ++q)
            xs.push_back(numberW + seedW + q * cellW);
        for (qreal x : xs)
            painter_.drawLine(QPointF(x, top), QPointF(x, top + rows * rowH));
        footerText(QStringLiteral("%1 · відповіді").arg(testName()));
    }

    int pages() const { return pages_; }
    void end() { painter_.end(); }

private:
    void newPage()
    {
        if (pages_ > 0)
            device_.newPage();
        ++pages_;
    }

    QString testName() const { return QStringLiteral("Тест %1").arg(test_.test); }

    void header(const Variant &v)
    {
        painter_.setPen(Qt::black);
        painter_.setFont(pointFont(16, true, true));
        painter_.drawText(QRectF(0, 0, area_.width(), 24), Qt::AlignLeft | Qt::AlignVCenter,
                          test_.title());
        if (v.number > 0)
            painter_.drawText(QRectF(0, 0, area_.width(), 24), Qt::AlignRight | Qt::AlignVCenter,
                              QStringLiteral("Варіант %1").arg(v.number));
        painter_.setFont(pointFont(11));
        painter_.drawText(QRectF(0, 28, area_.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("Прізвище, ім’я ______________________________   "
                                         "Клас ________   Дата ____________"));
    }

    void draw(const Block &b, qreal top)
    {
        painter_.setPen(Qt::black);
        painter_.setFont(pointFont(12, true));
        painter_.drawText(QRectF(0, top, kGutter - 4, 16), Qt::AlignLeft | Qt::AlignTop,
                          QStringLiteral("%1.").arg(b.question));
        painter_.save();
        painter_.translate(kGutter, top);
        painter_.scale(b.scale, b.scale);
        painter_.translate(-b.source.topLeft());
        // Each label drawn as it paints itself (through the window style),
        // straight onto the page: a printer would take a widget's own
        // rendering only as a screenshot.
        for (const QLabel *l : b.content->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (l->isHidden())
                continue;
            const QRect r = l->geometry();
            if (!l->pixmap().isNull()) {
                // one pixmap per picture and box size: the document holds
                // each picture once, however many variants show it
                const ImageItem *img = b.page->findImage(l->objectName());
                const QString key = img ? QStringLiteral("%1|%2x%3|%4").arg(img->file)
                                              .arg(r.width()).arg(r.height()).arg(img->proportional)
                                        : QString();
                auto it = pixmaps_.find(key);
                if (key.isEmpty() || it == pixmaps_.end())
                    it = pixmaps_.insert(key, onPaper(l->pixmap(), l->palette().color(QPalette::Window)));
                l->style()->drawItemPixmap(&painter_, r, int(l->alignment()), *it);
            } else if (!l->text().isEmpty()) {
                painter_.setFont(l->font());
                l->style()->drawItemText(&painter_, r, int(l->alignment()), l->palette(),
                                         l->isEnabled(), l->text(), l->foregroundRole());
            }
        }
        painter_.restore();
    }

    void footer(const Variant &v, int page, int of)
    {
        QString text = testName();
        if (v.number > 0)
            text += QStringLiteral(" · варіант %1").arg(v.number);
        if (v.seed)
            text += QStringLiteral(" · зерно %1").arg(*v.seed);
        text += QStringLiteral(" · сторінка %1 з %2").arg(page).arg(of);
        footerText(text);
    }

    void footerText(const QString &text)
    {
        const qreal y = area_.height() - kFooter;
        painter_.setPen(QPen(Qt::gray, 0.5));
        painter_.drawLine(QPointF(0, y + 4), QPointF(area_.width(), y + 4));
        painter_.setPen(Qt::black);
        painter_.setFont(pointFont(9));
        painter_.drawText(QRectF(0, y + 6, area_.width(), kFooter - 6),
                          Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    QPagedPaintDevice &device_;
    const TestInfo &test_;
    QPainter painter_;
    QSizeF area_;
    int pages_ = 0;
    QHash<QString, QPixmap> pixmaps_;
};

} // namespace

int printTest(QPagedPaintDevice &device, int test, const std::vector<Variant> &variants,
              bool withKey)
{
    Printer p(device, test);
    for (const Variant &v : variants)
        p.variant(v);
    if (withKey)
        p.key(variants);
    p.end();
    return p.pages();
}

} // namespace vzt
