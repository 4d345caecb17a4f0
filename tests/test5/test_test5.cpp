// Test 5's own layout, measured with the program's fonts and the generated
// pictures: no picture hides a letter of the question text or the "X", the
// formulas stand in the runs of blanks left for them (or right after their
// line), the areas of every window keep clear of each other between the
// letters and the instruction, and the twenty templates draw nothing but
// their deal. (That every keyed option is right is the bank check's task.)
#include "env.h"
#include "fixture.h"
#include "look.h"
#include "question.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

using namespace vzt;

namespace {

constexpr int kFirstForm = 89, kLastForm = 108;

QString runFolder() { return qEnvironmentVariable("VZT_RUN"); }

// Where the text of a label has advanced to after its first n characters.
int advanceTo(const LabelItem &l, int n)
{
    return l.left + QFontMetrics(qfont(l.font)).horizontalAdvance(displayText(l.text).left(n));
}

// The ink of each character of a label (blanks have none), in window pixels.
QList<QRect> glyphs(const LabelItem &l)
{
    const QFontMetrics fm(qfont(l.font));
    const QString text = displayText(l.text);
    QList<QRect> out;
    for (int i = 0; i < text.size(); ++i)
        if (!text[i].isSpace())
            out << fm.boundingRect(text[i]).translated(advanceTo(l, i), l.top + fm.ascent());
    return out;
}

QImage pictureOf(const ImageItem &box)
{
    return QImage(runFolder() + "/SpS/" + box.file.section('\\', -1));
}

// The part of the window a box paints: its picture from the box's top left,
// scaled down in a proportional box that is too small, else clipped.
QRect painted(const ImageItem &box, const QImage &img)
{
    QSize s = img.size();
    if (box.proportional && (s.width() > box.width || s.height() > box.height))
        s.scale(box.width, box.height, Qt::KeepAspectRatio);
    else
        s = s.boundedTo(QSize(box.width, box.height));
    return QRect(QPoint(box.left, box.top), s);
}

// The columns (window pixels) of a picture that differ from its paper.
std::pair<int, int> inkColumns(const ImageItem &box, const QImage &img)
{
    const QRgb paper = img.pixel(0, 0);
    int first = img.width(), last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != paper) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {box.left + first, box.left + last};
}

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height());
}

} // namespace

class TestTest5 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    // A picture paints its whole rectangle (the window's grey or white paper
    // included), so it must not lie over any letter or over "X".
    void noPictureHidesTextOrX()
    {
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        for (int form = kFirstForm; form <= kLastForm; ++form) {
            MemoryEnv env(runFolder());
            const Page p = generatePage(form, 7, env);
            for (const ImageItem &box : p.images) {
                if (box.file.isEmpty() || !box.visible)
                    continue;
                const QImage img = pictureOf(box);
                QVERIFY2(!img.isNull(), qPrintable(box.file));
                const QRect area = painted(box, img);
                const QRect x(p.closeButton, QSize(41, 25));
                QVERIFY2(!area.intersects(x), qPrintable(QStringLiteral("TForm%1: %2 under \"X\"")
                                                             .arg(form).arg(box.file)));
                for (const LabelItem &l : p.labels) {
                    if (!l.visible)
                        continue;
                    for (const QRect &g : glyphs(l))
                        QVERIFY2(!area.intersects(g),
                                 qPrintable(QStringLiteral("TForm%1: %2 %3 hides a letter of %4 %5")
                                                .arg(form).arg(box.file, rectText(area), l.name,
                                                               rectText(g))));
                }
            }
        }
    }

    void formulasStandInTheirPlaces_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("inBlanks"); // else right after the line's text
        QTest::newRow("question 1") << 89 << "Label1" << "Image1" << false;
        QTest::newRow("question 2") << 90 << "Label1" << "Image1" << false;
        QTest::newRow("question 7") << 95 << "Label1" << "Image1" << false;
        QTest::newRow("question 8, the sign") << 96 << "Label8" << "Image7" << true;
        QTest::newRow("question 9") << 97 << "Label1" << "Image1" << true;
        QTest::newRow("question 12") << 100 << "Label14" << "Image1" << true;
        QTest::newRow("question 15, the side") << 103 << "Label1" << "Image1" << true;
        QTest::newRow("question 19") << 107 << "Label1" << "Image1" << false;
        QTest::newRow("question 20") << 108 << "Label1" << "Image1" << false;
    }

    void formulasStandInTheirPlaces()
    {
        QFETCH(int, form);
        QFETCH(QString, line);
        QFETCH(QString, box);
        QFETCH(bool, inBlanks);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        MemoryEnv env(runFolder());
        const Page p = generatePage(form, 1, env);
        const LabelItem &l = labelOf(p, line);
        int from = 0, to = 0;
        if (inBlanks) {
            static const QRegularExpression blanks(QStringLiteral(" {5,}"));
            const auto m = blanks.match(l.text);
            QVERIFY(m.hasMatch());
            from = advanceTo(l, int(m.capturedStart()));
            to = advanceTo(l, int(m.capturedEnd()));
        } else {
            from = advanceTo(l, int(l.text.trimmed().size()));
            to = from + 80; // close enough to read as the end of the sentence
        }
        const ImageItem *b = p.findImage(box);
        QVERIFY(b);
        const QImage img = pictureOf(*b);
        QVERIFY2(!img.isNull(), qPrintable(b->file));
        QVERIFY(img.width() <= b->width && img.height() <= b->height); // shown unscaled
        const auto [first, last] = inkColumns(*b, img);
        QVERIFY(last >= first);
        const QString where = QStringLiteral("ink %1..%2, room %3..%4")
                                  .arg(first).arg(last).arg(from).arg(to);
        if (inBlanks)
            QVERIFY2(first > from && last < to, qPrintable(where));
        else
            QVERIFY2(first > from && first < to, qPrintable(where));
        // The formula shares the line's height: its ink reaches the band of
        // the line's letters.
        const QFontMetrics fm(qfont(l.font));
        QVERIFY(b->top < l.top + fm.ascent() && b->top + img.height() > l.top + fm.ascent() - 10);
    }

    // For several deals, what stands in the five areas (pictures or slot
    // labels) keeps clear of its neighbours, below the letters and above
    // the instruction line, inside a 1366-pixel screen.
    void slotsKeepToTheirRow()
    {
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        for (int form = kFirstForm; form <= kLastForm; ++form)
            for (quint32 seed : {1u, 7u, 12345u}) {
                MemoryEnv env(runFolder());
                const Page p = generatePage(form, seed, env);
                QList<QRect> areas;
                for (int k = 0; k < 5; ++k) {
                    const ImageItem *box = p.findImage(kSlotImages[k]);
                    if (p.pictureOptions) {
                        QVERIFY(box);
                        areas << painted(*box, pictureOf(*box));
                    } else {
                        const LabelItem &l = labelOf(p, kSlotLabels[k]);
                        const QFontMetrics fm(qfont(l.font));
                        areas << QRect(l.left, l.top, fm.horizontalAdvance(l.text), fm.height());
                    }
                }
                const LabelItem &letter = labelOf(p, kLetterLabels[0]);
                const int below = letter.top + QFontMetrics(qfont(letter.font)).height();
                const int above = labelOf(p, "Label5").top;
                const QString at = QStringLiteral("TForm%1, seed %2: ").arg(form).arg(seed);
                for (int k = 0; k < 5; ++k) {
                    QVERIFY2(areas[k].top() >= below && areas[k].bottom() < above
                                 && areas[k].left() >= 0 && areas[k].right() < 1366,
                             qPrintable(at + rectText(areas[k])));
                    if (k > 0)
                        QVERIFY2(areas[k - 1].right() < areas[k].left(),
                                 qPrintable(at + rectText(areas[k - 1]) + rectText(areas[k])));
                }
            }
    }

    // The texts and options are constants: each template takes from the
    // test's stream exactly what its deal takes.
    void templatesDrawOnlyTheirDeal()
    {
        for (int form = kFirstForm; form <= kLastForm; ++form)
            for (quint32 seed : {1u, 2u, 77u, 123456789u}) {
                MemoryEnv env;
                const Page p = generatePage(form, seed, env);
                Rng deal;
                deal.seed = seed;
                QCOMPARE(p.deal, deal.DealSlots());
                QCOMPARE(env.generator.seed, deal.seed);
                QCOMPARE(p.deal[p.key - 1], 1); // option 1 is the right one
            }
    }
};

QTEST_MAIN(TestTest5)
#include "test_test5.moc"
