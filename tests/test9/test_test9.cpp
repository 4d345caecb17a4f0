// Test 9's own layout, measured with the program's fonts: no picture covers a
// character of any line, the formulas of questions 2, 4 and 8 and the sign ⊥
// of question 14 stand inside the runs of blanks left for them; the texts of
// questions 7 and 11 as assembled from a table row (the modulus bars stored
// as code 5, negative numbers); the options of questions 12 and 20 at the
// ends of their draws. (That every keyed option is right is the bank check's
// task.)
#include "env.h"
#include "files.h"
#include "fixture.h"
#include "look.h"
#include "question.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace vzt;

namespace {

QFontMetrics metrics(const LabelItem &l) { return QFontMetrics(qfont(l.font)); }

// Where the text of a label has advanced to after its first n characters.
int advanceTo(const LabelItem &l, int n)
{
    return l.left + metrics(l).horizontalAdvance(displayText(l.text).left(n));
}

// The part of a box that its picture paints, as the window shows it.
QRect painted(const ImageItem &box, const QImage &picture)
{
    QSize size = picture.size();
    if (box.proportional && (size.width() > box.width || size.height() > box.height))
        size.scale(box.width, box.height, Qt::KeepAspectRatio);
    return QRect(box.left, box.top, std::min(size.width(), box.width),
                 std::min(size.height(), box.height));
}

QImage pictureOf(const QString &run, const ImageItem &box)
{
    return QImage(run + "/SpS/" + box.file.section('\\', -1));
}

// A working folder whose table `file` holds `rows` copies of one row.
struct OneRowTable {
    QTemporaryDir dir;
    OneRowTable(const QString &file, const QByteArray &row, int rows)
    {
        QDir(dir.path()).mkpath("Ida");
        writeFile(dir.filePath("Ida/" + file), (row + "\r\n").repeated(rows));
    }
};

QStringList forms(const Page &p) { return p.optionForms; }

} // namespace

class TestTest9 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    void picturesCoverNoCharacter()
    {
        const QString run = qEnvironmentVariable("VZT_RUN");
        if (run.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        for (int form = 174; form <= 193; ++form) {
            MemoryEnv env(run);
            const Page p = generatePage(form, 1, env);
            for (const ImageItem &box : p.images) {
                const QImage img = pictureOf(run, box);
                QVERIFY2(!img.isNull(), qPrintable(box.file));
                const QRect area = painted(box, img);
                for (const LabelItem &l : p.labels) {
                    const QString shown = displayText(l.text);
                    const QFontMetrics fm = metrics(l);
                    for (int i = 0; i < shown.size(); ++i) {
                        if (shown[i].isSpace())
                            continue;
                        const QRect glyph(advanceTo(l, i), l.top + fm.ascent() - fm.capHeight(),
                                          fm.horizontalAdvance(shown[i]), fm.capHeight());
                        QVERIFY2(!area.intersects(glyph),
                                 qPrintable(QStringLiteral("TForm%1: %2 covers '%3' of %4")
                                                .arg(form).arg(box.file, shown[i], l.name)));
                    }
                }
            }
        }
    }

    void picturesStandInTheirBlanks_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("blanks");
        QTest::newRow("question 2: the length") << 175 << "Image1" << "Label1" << 13;
        QTest::newRow("question 4: the function") << 177 << "Image1" << "Label1" << 26;
        QTest::newRow("question 8: the function") << 181 << "Image1" << "Label1" << 12;
        QTest::newRow("question 14: SC ⊥ (ABC)") << 187 << "Image7" << "Label14" << 9;
    }

    void picturesStandInTheirBlanks()
    {
        QFETCH(int, form);
        QFETCH(QString, image);
        QFETCH(QString, line);
        QFETCH(int, blanks);
        const QString run = qEnvironmentVariable("VZT_RUN");
        if (run.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        MemoryEnv env(run);
        const Page p = generatePage(form, 1, env);
        const LabelItem &l = labelOf(p, line);
        const QString run_(blanks, QLatin1Char(' '));
        const int at = int(l.text.indexOf(run_));
        QVERIFY(at > 0 && l.text.mid(at + blanks, 1) != " ");
        const int from = advanceTo(l, at), to = advanceTo(l, at + blanks);

        const ImageItem *box = p.findImage(image);
        QVERIFY(box);
        const QImage img = pictureOf(run, *box);
        const QRgb paper = img.pixel(0, 0);
        int first = img.width(), last = -1, top = img.height(), bottom = -1;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (img.pixel(x, y) != paper) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        QVERIFY(last >= first);
        QCOMPARE(painted(*box, img).size(), img.size()); // shown unscaled
        QVERIFY2(box->left + first > from && box->left + last < to,
                 qPrintable(QStringLiteral("ink %1..%2, blanks %3..%4")
                                .arg(box->left + first).arg(box->left + last).arg(from).arg(to)));
        // and on the line: its ink overlaps the band of the line's letters
        const QFontMetrics fm = metrics(l);
        const int baseline = l.top + fm.ascent();
        QVERIFY(box->top + top < baseline && box->top + bottom > baseline - fm.capHeight());
    }

    void question7ShowsTheBarsItStoresAsCode5()
    {
        OneRowTable t("VZT_12.txt", "5 3 2 11", 324);
        MemoryEnv env(t.dir.path());
        const Page p = generatePage(180, 1, env);
        const QString stored = labelOf(p, "Label1").text;
        QCOMPARE(stored.count(QChar(5)), 4);
        QCOMPARE(displayText(stored),
                 QStringLiteral("Знайдіть значення виразу |x|+|5-3x| при х=-2"));
        QCOMPARE(forms(p), (QStringList{"11", "12", "10", "13", "9"}));
    }

    void question11ShowsNegativeNumbers()
    {
        OneRowTable t("VZT_13.txt", "-1 2 -3 4 -5 6 -32", 175464);
        MemoryEnv env(t.dir.path());
        const Page p = generatePage(184, 1, env);
        QCOMPARE(labelOf(p, "Label1").text,
                 QStringLiteral("Знайдіть скалярний добуток векторів а(-1;2;-3) i b(4;-5;6)"));
        QCOMPARE(forms(p), (QStringList{"-32", "-31", "-33", "-30", "-34"}));
    }

    void volumesAtTheEndsOfTheirDraws_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("question 12, b = 10") << 185 << "300"
                                             << QStringList{"100", "200", "50", "150", "66"};
        QTest::newRow("question 12, b = 30") << 185 << "900"
                                             << QStringList{"300", "600", "150", "450", "200"};
        QTest::newRow("question 20, b = 2") << 193 << "120"
                                            << QStringList{"20", "10", "40", "60", "30"};
        QTest::newRow("question 20, b = 16") << 193 << "960"
                                             << QStringList{"160", "80", "320", "480", "240"};
    }

    void volumesAtTheEndsOfTheirDraws()
    {
        QFETCH(int, form);
        QFETCH(QString, volume);
        QFETCH(QStringList, options);
        static const QRegularExpression number(QStringLiteral("дорівнює (\\d+)"));
        for (quint32 seed = 1; seed < 5000; ++seed) {
            MemoryEnv env;
            const Page p = generatePage(form, seed, env);
            if (number.match(labelOf(p, "Label14").text).captured(1) == volume) {
                QCOMPARE(forms(p), options);
                return;
            }
        }
        QFAIL("no seed draws this volume");
    }
};

QTEST_MAIN(TestTest9)
#include "test_test9.moc"
