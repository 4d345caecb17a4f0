// Test 4's own layout, measured with the program's fonts: the pictures that
// stand inside question lines (the condition of question 1, the vector
// combination and the names of a and b of question 3, the root signs of
// questions 13 and 15) cover only their runs of blanks, for every shape of
// row the vector table holds; question 7 lays its slots out in two rows and
// question 15 keeps its third line in the label of slot А.
// (That every keyed option is right is the bank check's task.)
#include "env.h"
#include "files.h"
#include "fixture.h"
#include "look.h"
#include "question.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace vzt;

namespace {

// Where the text of a label has advanced to after its first n characters.
int advanceTo(const LabelItem &l, int n)
{
    return l.left + QFontMetrics(qfont(l.font)).horizontalAdvance(l.text.left(n));
}

// The pixels [from, to) of the k-th run of at least four blanks of a line.
std::pair<int, int> blankRun(const LabelItem &line, int k)
{
    static const QRegularExpression blanks(QStringLiteral(" {4,}"));
    auto it = blanks.globalMatch(line.text);
    for (int i = 0; i < k && it.hasNext(); ++i)
        it.next();
    if (!it.hasNext())
        return {0, -1};
    const auto m = it.next();
    return {advanceTo(line, int(m.capturedStart())), advanceTo(line, int(m.capturedEnd()))};
}

// A working folder whose vector table holds one row many times, so that
// whatever row is drawn, question 3 shows that row.
struct OneRowTable {
    QTemporaryDir dir;
    explicit OneRowTable(const QByteArray &row)
    {
        QDir(dir.path()).mkpath("Ida");
        writeFile(dir.filePath("Ida/VZT_7.txt"), (row + "\r\n").repeated(28140));
    }
};

} // namespace

class TestTest4 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    // A picture drawn over a line hides what lies under it: its whole
    // picture (not only its ink) must stand inside its run of blanks.
    void picturesCoverOnlyTheirBlanks_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QByteArray>("row");  // of the vector table, for question 3
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("run");         // which run of blanks of the line
        QTest::addColumn<bool>("inside");
        QTest::newRow("question 1: the condition") << 68 << QByteArray() << "Image1" << "Label1" << 0 << true;
        QTest::newRow("question 13: the root of the edge") << 80 << QByteArray() << "Image7" << "Label14" << 0 << true;
        QTest::newRow("question 15: the root of the height") << 82 << QByteArray() << "Image7" << "Label1" << 0 << true;
        // The table's rows give a one or two negative coordinates: then the
        // name of b stands inside the blanks before b.
        const std::pair<const char *, QByteArray> shapes[] = {
            {"one negative", "-1 2 3 4 5 6 -10 -11 -12"},
            {"two negatives", "-9 -8 7 -6 5 -4 0 -31 26"}};
        for (const auto &[n, row] : shapes) {
            QTest::newRow(qPrintable(QStringLiteral("question 3: the combination, a with ") + n))
                << 70 << row << "Image1" << "Label1" << 0 << true;
            QTest::newRow(qPrintable(QStringLiteral("question 3: the name of a, a with ") + n))
                << 70 << row << "Image7" << "Label1" << 1 << true;
            QTest::newRow(qPrintable(QStringLiteral("question 3: the name of b, a with ") + n))
                << 70 << row << "Image2" << "Label1" << 2 << true;
        }
        // Why the table keeps no a without a negative coordinate: the name
        // of b would hide the "(" of b.
        QTest::newRow("question 3: a = (1;2;3) is too short")
            << 70 << QByteArray("1 2 3 4 5 6 -10 -11 -12") << "Image2" << "Label1" << 2 << false;
    }

    void picturesCoverOnlyTheirBlanks()
    {
        QFETCH(int, form);
        QFETCH(QByteArray, row);
        QFETCH(QString, image);
        QFETCH(QString, line);
        QFETCH(int, run);
        QFETCH(bool, inside);
        const QString folder = qEnvironmentVariable("VZT_RUN");
        if (folder.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        OneRowTable table(row);
        MemoryEnv env(row.isEmpty() ? folder : table.dir.path());
        for (quint32 seed : {3u, 1234567u}) {
            const Page p = generatePage(form, seed, env);
            const auto [from, to] = blankRun(labelOf(p, line), run);
            QVERIFY(to > from);

            const ImageItem *box = p.findImage(image);
            QVERIFY(box);
            const QImage img(folder + "/SpS/" + box->file.section('\\', -1));
            QVERIFY2(!img.isNull(), qPrintable(box->file));
            QVERIFY(img.width() <= box->width && img.height() <= box->height); // shown unscaled
            const int left = box->left, right = box->left + img.width();
            const bool within = left >= from && right <= to;
            QVERIFY2(within == inside, qPrintable(QStringLiteral("picture %1..%2, blanks %3..%4")
                                                      .arg(left).arg(right).arg(from).arg(to)));
        }
    }

    // The rows of the shipped vector table all have the shapes tried above:
    // digits only, and one or two negative coordinates in a.
    void vectorRowsHaveTheTriedShapes()
    {
        const QString folder = qEnvironmentVariable("VZT_RUN");
        if (folder.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated tables");
        const QList<QByteArray> rows = readFile(folder + "/Ida/VZT_7.txt").split('\n');
        int count = 0;
        for (const QByteArray &r : rows) {
            const QList<QByteArray> n = r.trimmed().split(' ');
            if (n.size() != 9)
                continue;
            ++count;
            int negatives = 0;
            for (int i = 0; i < 6; ++i) {
                QVERIFY(n[i].toInt() >= -9 && n[i].toInt() <= 9);
                negatives += i < 3 && n[i].startsWith('-');
            }
            QVERIFY2(negatives == 1 || negatives == 2, r.constData());
        }
        QCOMPARE(count, 28140);
    }

    // Question 7: five large boxes in two rows, each letter just above (or
    // left of) its own box, no two boxes overlapping; the key still names
    // the slot of option 1.
    void question7SlotsInTwoRows()
    {
        MemoryEnv env;
        const Page p = generatePage(74, 5, env);
        QList<QRect> boxes;
        for (int k = 0; k < 5; ++k) {
            const ImageItem *b = p.findImage(kSlotImages[k]);
            QVERIFY(b && b->proportional);
            boxes << QRect(b->left, b->top, b->width, b->height);
            const LabelItem &letter = labelOf(p, kLetterLabels[k]);
            QVERIFY(letter.top < b->top && b->top - letter.top <= 45);
            QVERIFY(letter.left >= b->left && letter.left < b->left + b->width);
        }
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j)
                QVERIFY2(!boxes[i].intersects(boxes[j]), qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        QCOMPARE(p.deal[p.key - 1], 1);
        QCOMPARE(labelOf(p, "Label10").text, QStringLiteral("формі"));
    }

    // Question 15: the third line stands in the label of slot А whatever
    // the deal; the other slot labels stay empty.
    void question15KeepsItsThirdLine()
    {
        for (quint32 seed : {1u, 2u, 99u}) {
            MemoryEnv env;
            const Page p = generatePage(82, seed, env);
            QCOMPARE(labelOf(p, "Label9").text, QStringLiteral("кута з ребром АС."));
            QCOMPARE(labelOf(p, "Label9").top, 159);
            for (const QString &name : {"Label10", "Label11", "Label12", "Label13", "Label8"})
                QVERIFY(labelOf(p, name).text.isEmpty());
        }
    }

    // Question 16: each base shows its own word and options; option 1 is
    // always 3n, and the five options differ.
    void question16EdgesOfEachPrism()
    {
        const QStringList words{"п`ятикутної", "шестикутної", "семикутної", "восьмикутної"};
        QSet<int> seen;
        for (quint32 seed = 1; seed <= 60; ++seed) {
            MemoryEnv env;
            const Page p = generatePage(83, seed, env);
            const QString line = labelOf(p, "Label1").text;
            int n = 0;
            for (int i = 0; i < words.size(); ++i)
                if (line == "Укажіть кількість ребер " + words[i] + " призми.")
                    n = 5 + i;
            QVERIFY2(n, qPrintable(line));
            seen << n;
            QCOMPARE(p.options.first(), QString::number(3 * n));
            QCOMPARE(QSet<QString>(p.options.begin(), p.options.end()).size(), 5);
        }
        QCOMPARE(seen, (QSet<int>{5, 6, 7, 8}));
    }
};

QTEST_MAIN(TestTest4)
#include "test_test4.moc"
