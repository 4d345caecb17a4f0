// Test 10's own behaviour and layout, measured with the program's fonts: each
// question rewrites its own line of the key list "stt10.txt" and no other;
// no picture covers a word of the text; the small pictures of question 17
// (the planes' names, the distance) stand inside the gaps left for them; the
// small index labels of question 13 stand right behind their letters; the
// slot label that carries the fifth line of question 11 keeps it.
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
#include <QtTest>

#include <algorithm>

using namespace vzt;

namespace {

// Where the text of a label has advanced to after its first n characters.
int advanceTo(const LabelItem &l, int n)
{
    return l.left + QFontMetrics(qfont(l.font)).horizontalAdvance(displayText(l.text).left(n));
}

// The rectangles of the words of a label (its runs of non-blank characters).
QList<QRect> wordRects(const LabelItem &l)
{
    QList<QRect> out;
    const QString t = displayText(l.text);
    const int height = QFontMetrics(qfont(l.font)).height();
    for (int i = 0; i < t.size();) {
        if (t[i] == QLatin1Char(' ')) {
            ++i;
            continue;
        }
        int j = i;
        while (j < t.size() && t[j] != QLatin1Char(' '))
            ++j;
        out << QRect(QPoint(advanceTo(l, i), l.top), QPoint(advanceTo(l, j) - 1, l.top + height - 1));
        i = j;
    }
    return out;
}

// The blank runs of a label, as [from, to) in window pixels.
QList<QPair<int, int>> blankRuns(const LabelItem &l)
{
    QList<QPair<int, int>> out;
    const QString t = displayText(l.text);
    for (int i = 0; i < t.size();) {
        if (t[i] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        int j = i;
        while (j < t.size() && t[j] == QLatin1Char(' '))
            ++j;
        out << qMakePair(advanceTo(l, i), advanceTo(l, j));
        i = j;
    }
    return out;
}

QString runFolder() { return qEnvironmentVariable("VZT_RUN"); }

// The picture a box shows, as the window draws it: at its own size from the
// box's top left, clipped to the box, or scaled down in a proportional box.
QImage shown(const ImageItem &box)
{
    QImage img(runFolder() + "/SpS/" + box.file.section(QRegularExpression("[\\\\/]"), -1));
    if (img.isNull())
        return img;
    if (box.proportional && (img.width() > box.width || img.height() > box.height))
        return img.scaled(box.width, box.height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return img.copy(0, 0, std::min(img.width(), box.width), std::min(img.height(), box.height));
}

// The columns of a picture that differ from its own paper (its top-left pixel).
QPair<int, int> inkColumns(const QImage &img)
{
    const QRgb paper = img.pixel(0, 0);
    int first = img.width(), last = -1;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixel(x, y) != paper) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return qMakePair(first, last);
}

Page testPage(int form)
{
    MemoryEnv env(runFolder());
    return generatePage(form, 7, env);
}

} // namespace

class TestTest10 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    // A question of Test 10 writes its key file, then rewrites the key list
    // with its own line replaced and the nineteen others as they were.
    void eachQuestionRewritesItsOwnLineOfTheKeyList_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("question 1 (a table row)") << 195 << 11u;
        QTest::newRow("question 7 (a table row)") << 201 << 12u;
        QTest::newRow("question 10") << 204 << 13u;
        QTest::newRow("question 16 (a shared picture)") << 210 << 14u;
        QTest::newRow("question 20") << 214 << 15u;
    }

    void eachQuestionRewritesItsOwnLineOfTheKeyList()
    {
        QFETCH(int, form);
        QFETCH(quint32, seed);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures and tables");
        WorkFolder wf;
        // Twenty known lines, none of them a key digit.
        QByteArray before;
        for (int k = 0; k < 20; ++k)
            before += QByteArray(1, char('a' + k)) + "\r\n";
        writeFile(kKeyList, before);

        const TemplateInfo *info = findTemplate(form);
        QVERIFY(info && info->test == 10);
        generator().seed = seed;
        FileEnv env;
        Page p = commonPage(form, QString::fromLatin1(info->unit), 10, info->question);
        runTemplate(p, info, env);
        QVERIFY(p.key >= 1 && p.key <= 5);

        QCOMPARE(readFile(keyFileName(10, info->question)), QByteArray::number(p.key));
        const QList<QByteArray> was = before.split('\n');
        const QList<QByteArray> now = readFile(kKeyList).split('\n');
        QCOMPARE(now.size(), was.size());
        for (int k = 0; k < 20; ++k)
            QCOMPARE(now[k], k + 1 == info->question ? QByteArray::number(p.key) + "\r" : was[k]);
    }

    void picturesNeverCoverText_data()
    {
        QTest::addColumn<int>("form");
        for (int form = 195; form <= 214; ++form)
            QTest::newRow(qPrintable(QStringLiteral("TForm%1").arg(form))) << form;
    }

    void picturesNeverCoverText()
    {
        QFETCH(int, form);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        const Page p = testPage(form);
        for (const ImageItem &box : p.images) {
            if (box.file.isEmpty())
                continue;
            const QImage img = shown(box);
            QVERIFY2(!img.isNull(), qPrintable(box.file));
            const QRect drawn(box.left, box.top, img.width(), img.height());
            for (const LabelItem &l : p.labels)
                for (const QRect &word : wordRects(l))
                    QVERIFY2(!drawn.intersects(word),
                             qPrintable(QStringLiteral("%1 (%2) covers a word of %3: \"%4\"")
                                            .arg(box.name, box.file, l.name, l.text)));
        }
    }

    // Question 17: the ink of each small picture lies inside the run of
    // blanks of its line (line 3: the leading blanks).
    void question17PicturesFillTheirGaps_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("run"); // the how-manieth blank run of the line
        QTest::newRow("α in line 1") << "Image1" << "Label1" << 2;
        QTest::newRow("β in line 1") << "Image8" << "Label1" << 3;
        QTest::newRow("α in line 2") << "Image9" << "Label14" << 2;
        QTest::newRow("β in line 2") << "Image10" << "Label14" << 6;
        QTest::newRow("d in line 3") << "Image11" << "Label8" << 0;
        QTest::newRow("α in line 4") << "Image12" << "Label15" << 1;
    }

    void question17PicturesFillTheirGaps()
    {
        QFETCH(QString, box);
        QFETCH(QString, line);
        QFETCH(int, run);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        const Page p = testPage(211);
        const ImageItem *b = p.findImage(box);
        QVERIFY(b);
        const auto runs = blankRuns(labelOf(p, line));
        QVERIFY(run < runs.size());
        const auto [first, last] = inkColumns(shown(*b));
        QVERIFY(last >= first);
        QVERIFY2(b->left + first > runs[run].first && b->left + last < runs[run].second,
                 qPrintable(QStringLiteral("ink %1..%2, blanks %3..%4")
                                .arg(b->left + first).arg(b->left + last)
                                .arg(runs[run].first).arg(runs[run].second)));
    }

    // Question 17: β after the end of line 4 stands right of its "і".
    void question17LastBetaFollowsTheLine()
    {
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        const Page p = testPage(211);
        const LabelItem &line = labelOf(p, "Label15");
        const ImageItem *b = p.findImage("Image13");
        QVERIFY(b);
        const int end = advanceTo(line, int(line.text.size()));
        const int ink = b->left + inkColumns(shown(*b)).first;
        QVERIFY2(ink > end && ink < end + 30, qPrintable(QStringLiteral("β at %1, line ends at %2")
                                                             .arg(ink).arg(end)));
    }

    void question13IndicesStandBehindTheirLetters_data()
    {
        QTest::addColumn<QString>("index"); // the label of small "1"s
        QTest::addColumn<int>("which");     // the how-manieth "1" of it
        QTest::addColumn<QString>("host");  // the label whose letter it indexes
        QTest::addColumn<QString>("upTo");  // the host's text up to that letter
        const QString line1 = "На рисунку зображено прямокутний паралелепіпед ABCD";
        QTest::newRow("A1 in line 1") << "Label15" << 0 << "Label1" << line1 + "A";
        QTest::newRow("B1 in line 1") << "Label15" << 1 << "Label1" << line1 + "A B";
        QTest::newRow("C1 in line 1") << "Label15" << 2 << "Label1" << line1 + "A B C";
        QTest::newRow("D1 in line 1") << "Label15" << 3 << "Label1" << line1 + "A B C D";
        const QString line2 = "Знайдіть відстань від точки D до площини ";
        QTest::newRow("A1 of the plane") << "Label9" << 0 << "Label14" << line2 + "А";
        QTest::newRow("B1 of the plane") << "Label9" << 1 << "Label14" << line2 + "А В";
        QTest::newRow("C1 of the plane") << "Label9" << 2 << "Label14" << line2 + "А В С";
        QTest::newRow("AA1 in line 3") << "Label10" << 0 << "Label8" << "АВ=5, ВС=4, АА";
    }

    void question13IndicesStandBehindTheirLetters()
    {
        QFETCH(QString, index);
        QFETCH(int, which);
        QFETCH(QString, host);
        QFETCH(QString, upTo);
        const Page p = testPage(207);
        const LabelItem &h = labelOf(p, host);
        QVERIFY2(h.text.startsWith(upTo), qPrintable(h.text));
        const LabelItem &i = labelOf(p, index);
        int at = -1;
        for (int k = 0; k <= which; ++k)
            at = i.text.indexOf(QLatin1Char('1'), at + 1);
        QVERIFY(at >= 0);
        // The index begins where the letter ends (a subscript may tuck a few
        // pixels under it) and before the next letter.
        const int gap = advanceTo(i, at) - advanceTo(h, int(upTo.size()));
        QVERIFY2(gap >= -5 && gap <= 6, qPrintable(QStringLiteral("index %1 px off").arg(gap)));
        QVERIFY(i.top > h.top); // below the letters' top: an index, not a letter
    }

    // Question 11: the fifth line stands in slot А's label whatever the deal,
    // the other slot labels stay empty.
    void question11KeepsItsFifthLine()
    {
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
            MemoryEnv env;
            const Page p = generatePage(205, seed, env);
            const LabelItem &fifth = labelOf(p, "Label9");
            QCOMPARE(fifth.text, QStringLiteral("мокутника ABCD дорівнює 46 см."));
            QCOMPARE(QPoint(fifth.left, fifth.top), QPoint(10, 187));
            for (const QString &name : {"Label10", "Label11", "Label12", "Label13"})
                QVERIFY(labelOf(p, name).text.isEmpty());
        }
    }
};

QTEST_MAIN(TestTest10)
#include "test_test10.moc"
