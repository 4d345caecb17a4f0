// Test 6's own layout, measured with the program's fonts and the generated
// pictures: no picture covers a word, a letter or "X"; the numbers of
// question 5 stand in the run of blanks left for them; the formulas of the
// one-line questions follow their text on its line; the index of x0 in
// question 9 stands behind its letter. And question 6's pebble piles: every
// draw gives five different options and the words agree with the numbers.
// (That every keyed option is right is the bank check's task.)
#include "env.h"
#include "fixture.h"
#include "look.h"
#include "question.h"
#include "verify.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <map>
#include <tuple>

using namespace vzt;

namespace {

constexpr int kFirstForm = 110, kLastForm = 129;

QString runFolder() { return qEnvironmentVariable("VZT_RUN"); }

QImage pictureOf(const ImageItem &box)
{
    return QImage(runFolder() + "/SpS/" + box.file.section('\\', -1));
}

// Where a box shows its picture: from its top-left, at its own size (clipped
// to the box), or scaled down to fit a proportional box.
QRect shown(const ImageItem &box, const QImage &img)
{
    QSize s = img.size();
    if (box.proportional && (s.width() > box.width || s.height() > box.height))
        s.scale(box.width, box.height, Qt::KeepAspectRatio);
    return QRect(box.left, box.top, std::min(s.width(), box.width),
                 std::min(s.height(), box.height));
}

// The inked part of a picture as its box shows it (the paper is the colour
// of its corner).
QRect inkOf(const ImageItem &box, const QImage &img)
{
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != img.pixel(0, 0))
                ink |= QRect(box.left + x, box.top + y, 1, 1);
    return ink;
}

int advanceTo(const LabelItem &l, qsizetype n)
{
    return l.left + QFontMetrics(qfont(l.font)).horizontalAdvance(displayText(l.text).left(n));
}

// The words of a label as rectangles: runs of text split at two or more
// blanks (a run of blanks is room left for a picture).
QList<QRect> wordRuns(const LabelItem &l)
{
    QList<QRect> out;
    const QString text = displayText(l.text);
    const int height = QFontMetrics(qfont(l.font)).height();
    static const QRegularExpression run(QStringLiteral("\\S+(?: \\S+)*"));
    for (auto it = run.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const int from = advanceTo(l, m.capturedStart()), to = advanceTo(l, m.capturedEnd());
        out << QRect(QPoint(from, l.top), QPoint(to - 1, l.top + height - 1));
    }
    return out;
}

const QRect kCloseButton(1077, 56, 41, 25);

} // namespace

class TestTest6 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    void picturesCoverNoWordLetterOrClose_data()
    {
        QTest::addColumn<int>("form");
        for (int form = kFirstForm; form <= kLastForm; ++form)
            QTest::newRow(qPrintable(QStringLiteral("TForm%1").arg(form))) << form;
    }

    void picturesCoverNoWordLetterOrClose()
    {
        QFETCH(int, form);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        // every option picture in every slot: the deals of 40 seeds
        for (quint32 seed = 1; seed <= 40; ++seed) {
            MemoryEnv env(runFolder());
            const Page p = generatePage(form, seed, env);
            QList<std::pair<QString, QRect>> pictures;
            for (const ImageItem &box : p.images) {
                if (box.file.isEmpty())
                    continue;
                const QImage img = pictureOf(box);
                QVERIFY2(!img.isNull(), qPrintable(box.file));
                pictures << std::make_pair(box.file, shown(box, img));
            }
            for (const auto &[file, r] : pictures) {
                QVERIFY2(!r.intersects(kCloseButton), qPrintable(file + " under \"X\""));
                for (const LabelItem &l : p.labels)
                    for (const QRect &w : wordRuns(l))
                        QVERIFY2(!r.intersects(w), qPrintable(file + " covers " + l.name + ": "
                                                              + l.text.simplified()));
                for (const auto &[other, s] : pictures)
                    QVERIFY2(file == other || !r.intersects(s),
                             qPrintable(file + " over " + other));
            }
        }
    }

    // The numbers of question 5 stand in the 73 blanks of its line, clear of
    // the words on either side.
    void numbersStandInTheirBlanks()
    {
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        MemoryEnv env(runFolder());
        const Page p = generatePage(114, 1, env);
        const LabelItem &line = labelOf(p, "Label1");
        static const QRegularExpression blanks(QStringLiteral(" {73}"));
        const auto m = blanks.match(line.text);
        QVERIFY(m.hasMatch());
        const ImageItem *box = p.findImage("Image1");
        QVERIFY(box);
        const QImage img = pictureOf(*box);
        QVERIFY(img.width() <= box->width && img.height() <= box->height); // shown unscaled
        const QRect ink = inkOf(*box, img);
        const int first = ink.left(), last = ink.right();
        const int from = advanceTo(line, m.capturedStart()), to = advanceTo(line, m.capturedEnd());
        QVERIFY2(first > from + 10 && last < to - 10,
                 qPrintable(QStringLiteral("ink %1..%2, blanks %3..%4").arg(first).arg(last)
                                .arg(from).arg(to)));
    }

    // A formula that follows its line begins a blank or more after the text
    // and stands on the line (its box overlaps the line's rows).
    void formulasFollowTheirLines_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("question 8") << 117;
        QTest::newRow("question 12") << 121;
        QTest::newRow("question 13") << 122;
        QTest::newRow("question 14") << 123;
        QTest::newRow("question 16") << 125;
    }

    void formulasFollowTheirLines()
    {
        QFETCH(int, form);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        MemoryEnv env(runFolder());
        const Page p = generatePage(form, 1, env);
        const LabelItem &line = labelOf(p, "Label1");
        const ImageItem *box = p.findImage("Image1");
        QVERIFY(box);
        const QImage img = pictureOf(*box);
        const int end = advanceTo(line, line.text.trimmed().size());
        const QRect ink = inkOf(*box, img);
        const int gap = ink.left() - end;
        QVERIFY2(gap >= 8 && gap <= 60, qPrintable(QStringLiteral("gap %1 px").arg(gap)));
        // on the line: its ink reaches from above the text's baseline (19 px
        // below the label's top) to below the middle of its letters
        QVERIFY2(ink.top() < line.top + 19 && ink.bottom() > line.top + 10,
                 qPrintable(QStringLiteral("ink rows %1..%2").arg(ink.top()).arg(ink.bottom())));
    }

    void indexStandsBehindX()
    {
        MemoryEnv env;
        const Page p = generatePage(118, 1, env);
        const LabelItem &line = labelOf(p, "Label1");
        const LabelItem &index = labelOf(p, "Label14");
        QVERIFY(line.text.endsWith(QStringLiteral("абсцисою х")));
        QCOMPARE(index.text, QStringLiteral("о"));
        const int gap = index.left - advanceTo(line, line.text.size());
        QVERIFY2(gap >= -4 && gap <= 6, qPrintable(QStringLiteral("index %1 px off").arg(gap)));
        QVERIFY(index.top > line.top + 12); // low: an index, not a letter
    }

    // Every (first, step, piles) of question 6 turns up within a few thousand
    // seeds; each shows five different options, and the words after the
    // first and the last pile agree with their numbers.
    void pebblePilesAgreeAndDiffer()
    {
        std::map<std::tuple<int, int, int>, QStringList> seen; // (first, step, last) -> options
        QSet<int> lasts;
        static const QStringList stepWords{"два", "три", "чотири"};
        const QString many = QStringLiteral("камінчик") + QChar('i') + QStringLiteral("в");
        for (quint32 seed = 1; seed <= 3000; ++seed) {
            MemoryEnv env;
            const Page p = generatePage(115, seed, env);
            const auto first = captures(p.findLabel("Label1")->text, "поклав (\\d+) ");
            const auto last = captures(p.findLabel("Label8")->text, "виявилось (\\d+) ");
            const auto step =
                QRegularExpression("на (\\S+) більше").match(p.findLabel("Label14")->text);
            QVERIFY(first.size() == 1 && last.size() == 1 && step.hasMatch());
            const QString firstWord = p.findLabel("Label1")->text.section(' ', -1).chopped(1);
            const QString lastWord = p.findLabel("Label8")->text.section(' ', -1).chopped(1);
            QCOMPARE(firstWord, QStringLiteral("камінчик") + (first[0] == 1 ? "" : "и"));
            const int d = int(last[0] % 10);
            const QString want = last[0] <= 20 || d == 0 || d >= 5 ? many
                                 : d == 1                        ? QStringLiteral("камінчик")
                                                                 : QStringLiteral("камінчики");
            QCOMPARE(lastWord, want);
            lasts.insert(int(last[0]));
            seen[std::make_tuple(int(first[0]), int(stepWords.indexOf(step.captured(1))) + 2,
                                 int(last[0]))] = p.options;
            QCOMPARE(QSet<QString>(p.options.begin(), p.options.end()).size(), 5);
        }
        QCOMPARE(seen.size(), size_t(45));
        QCOMPARE((seen[std::make_tuple(1, 2, 15)]), (QStringList{"64", "128", "32", "49", "79"}));
        QCOMPARE((seen[std::make_tuple(3, 4, 47)]),
                 (QStringList{"300", "600", "150", "253", "347"}));
        QSet<int> every;
        for (int n = 15; n <= 47; ++n)
            if (n != 40 && n != 44)
                every.insert(n);
        QCOMPARE(lasts, every);
    }
};

QTEST_MAIN(TestTest6)
#include "test_test6.moc"
