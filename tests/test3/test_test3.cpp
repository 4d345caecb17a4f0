// Test 3's own layout, measured with the program's fonts: the small index
// labels of question 3 stand right behind the letters they index, the formula
// pictures of questions 5, 11 and 16 stand inside the runs of blanks left for
// them, and question 3 draws nothing from the generator and always keys Д.
// (That every keyed option is right is the bank check's task.)
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

// Where the text of a label has advanced to after its first n characters.
int advanceTo(const LabelItem &l, int n)
{
    return l.left + QFontMetrics(qfont(l.font)).horizontalAdvance(l.text.left(n));
}

} // namespace

class TestTest3 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    void indicesStandBehindTheirLetters_data()
    {
        QTest::addColumn<QString>("index");  // the label of small "1"s
        QTest::addColumn<int>("which");      // the how-manieth "1" of it
        QTest::addColumn<QString>("host");   // the label whose letter it indexes
        QTest::addColumn<QString>("upTo");   // the host's text up to that letter
        const QString line1 = "На рисунку зображено куб АВСD";
        QTest::newRow("A1 in line 1") << "Label8" << 0 << "Label1" << line1 + "A";
        QTest::newRow("B1 in line 1") << "Label8" << 1 << "Label1" << line1 + "A B";
        QTest::newRow("C1 in line 1") << "Label8" << 2 << "Label1" << line1 + "A B C";
        QTest::newRow("D1 in line 1") << "Label8" << 3 << "Label1" << line1 + "A B C D";
        QTest::newRow("A1 of the plane") << "Label15" << 0 << "Label14" << "до площини А";
        QTest::newRow("D1 of the plane") << "Label15" << 1 << "Label14" << "до площини А D";
        QTest::newRow("DD1 under А") << "Label16" << 0 << "Label9" << "DD";
        QTest::newRow("B1 under В") << "Label16" << 1 << "Label11" << "B";
        QTest::newRow("C1 under В") << "Label16" << 2 << "Label11" << "B C";
        QTest::newRow("AB1 under Д") << "Label16" << 3 << "Label13" << "AB";
    }

    void indicesStandBehindTheirLetters()
    {
        QFETCH(QString, index);
        QFETCH(int, which);
        QFETCH(QString, host);
        QFETCH(QString, upTo);
        MemoryEnv env;
        const Page p = generatePage(49, 1, env);
        const LabelItem &h = labelOf(p, host);
        QVERIFY2(h.text.startsWith(upTo), qPrintable(h.text));
        const LabelItem &i = labelOf(p, index);
        int at = -1;
        for (int k = 0; k <= which; ++k)
            at = i.text.indexOf(QLatin1Char('1'), at + 1);
        QVERIFY(at >= 0);
        // The index begins where the letter ends (a subscript may tuck a few
        // pixels under it) and before anything that follows.
        const int gap = advanceTo(i, at) - advanceTo(h, int(upTo.size()));
        QVERIFY2(gap >= -5 && gap <= 6, qPrintable(QStringLiteral("index %1 px off").arg(gap)));
        QVERIFY(i.top > h.top); // below the letters' top: an index, not a letter
    }

    void formulasStandInTheirBlanks_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("question 5") << 51;
        QTest::newRow("question 11") << 57;
        QTest::newRow("question 16") << 62;
    }

    void formulasStandInTheirBlanks()
    {
        QFETCH(int, form);
        const QString run = qEnvironmentVariable("VZT_RUN");
        if (run.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        MemoryEnv env(run);
        const Page p = generatePage(form, 1, env);
        const LabelItem &line = labelOf(p, "Label1");
        static const QRegularExpression blanks(QStringLiteral(" {20,}"));
        const auto m = blanks.match(line.text);
        QVERIFY(m.hasMatch());
        const int from = advanceTo(line, int(m.capturedStart()));
        const int to = advanceTo(line, int(m.capturedEnd()));

        const ImageItem *box = p.findImage("Image1");
        QVERIFY(box);
        const QImage img(run + "/SpS/" + box->file.section('\\', -1));
        QVERIFY2(!img.isNull(), qPrintable(box->file));
        const QRgb paper = img.pixel(0, 0);
        int first = img.width(), last = -1;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (img.pixel(x, y) != paper) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        QVERIFY(last >= first);
        QVERIFY(img.width() <= box->width && img.height() <= box->height); // shown unscaled
        QVERIFY2(box->left + first > from && box->left + last < to,
                 qPrintable(QStringLiteral("ink %1..%2, blanks %3..%4")
                                .arg(box->left + first).arg(box->left + last).arg(from).arg(to)));
    }

    void question3DrawsNothingAndKeysD()
    {
        for (quint32 seed : {1u, 2u, 77u, 123456789u}) {
            MemoryEnv env;
            const Page p = generatePage(49, seed, env);
            QCOMPARE(env.generator.seed, seed); // the test's stream goes on untouched
            QCOMPARE(env.keys[std::make_pair(3, 3)], 5);
            QCOMPARE(p.deal, (Deal{1, 2, 3, 4, 5}));
            QCOMPARE(labelOf(p, "Label13").text, QStringLiteral("AB"));
        }
    }
};

QTEST_MAIN(TestTest3)
#include "test_test3.moc"
