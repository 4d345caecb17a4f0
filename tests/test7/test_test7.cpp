// Test 7's own layout, measured with the program's fonts and the generated
// pictures: no picture hides a word or the "X" button, the pictures that
// stand in runs of blanks stay inside them, the π after each option stands
// right behind its number and the index 1 behind the axis' name; the card's
// cases of the drawn questions; and question 19's redraw loops end from
// every state of the generator.
#include "env.h"
#include "fixture.h"
#include "look.h"
#include "question.h"
#include "questionwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <functional>

using namespace vzt;

namespace {

constexpr int kFirstForm = 131; // TForm131 ... TForm150

QString runFolder() { return qEnvironmentVariable("VZT_RUN"); }

// Where the text of a label has advanced to after its first n characters.
int advanceTo(const LabelItem &l, int n)
{
    return l.left + QFontMetrics(qfont(l.font)).horizontalAdvance(l.text.left(n));
}

// The columns a picture inks (not the paper colour of its corner), in window
// coordinates of its box.
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

QImage pictureOf(const ImageItem &box)
{
    return QImage(runFolder() + "/SpS/" + box.file.section('\\', -1));
}

// The first page from seed 1 on whose texts satisfy `wanted`.
Page pageWhere(int form, const std::function<bool(const Page &)> &wanted)
{
    for (quint32 seed = 1; seed < 200000; ++seed) {
        MemoryEnv env;
        Page p = generatePage(form, seed, env);
        if (wanted(p))
            return p;
    }
    qFatal("no seed gives the wanted draw");
}

// A table that holds one given row, for the template that reads it.
class OneRowEnv : public MemoryEnv {
public:
    explicit OneRowEnv(std::vector<long long> row) : row_(std::move(row)) {}
    std::vector<long long> row(const QString &, int, int) override { return row_; }

private:
    std::vector<long long> row_;
};

} // namespace

class TestTest7 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*static_cast<QApplication *>(QCoreApplication::instance())); }

    // Every window as it is rendered: the pictures stand over the labels, so
    // a picture that reached into a word would hide it; "X" stands over the
    // pictures.
    void noPictureHidesAWordOrTheCloseButton()
    {
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        for (int form = kFirstForm; form < kFirstForm + 20; ++form)
            for (quint32 seed : {1u, 2u, 3u}) {
                MemoryEnv env(runFolder());
                Page p = generatePage(form, seed, env);
                QVERIFY2(env.missingPictures.isEmpty(),
                         qPrintable(QStringList(env.missingPictures.values()).join(", ")));
                for (ImageItem &img : p.images)
                    img.picture = pictureOf(img);
                QDialog window;
                QWidget content(&window);
                renderPage(p, &content, &window);

                QList<QPair<QString, QRect>> words; // runs of non-blank characters
                for (const LabelItem &l : p.labels) {
                    if (!l.visible)
                        continue;
                    const auto *label = content.findChild<QLabel *>(l.name);
                    static const QRegularExpression run(QStringLiteral("\\S+"));
                    for (auto it = run.globalMatch(l.text); it.hasNext();) {
                        const auto m = it.next();
                        const int from = advanceTo(l, int(m.capturedStart()));
                        const int to = advanceTo(l, int(m.capturedEnd()));
                        words << qMakePair(l.name + " \"" + m.captured() + "\"",
                                           QRect(from, l.top, to - from, label->height()));
                    }
                }
                const auto *x = content.findChild<QPushButton *>("Button1");
                words << qMakePair(QStringLiteral("the X button"), x->geometry());
                for (const ImageItem &img : p.images) {
                    const auto *box = content.findChild<QLabel *>(img.name);
                    const QRect shown(box->geometry().topLeft(), box->pixmap().size());
                    for (const auto &[what, rect] : words)
                        QVERIFY2(!shown.intersects(rect),
                                 qPrintable(QStringLiteral("TForm%1 seed %2: %3 (%4) covers %5")
                                                .arg(form).arg(seed).arg(img.name, img.file, what)));
                }
            }
    }

    // Pictures over a run of blanks of their line keep their ink inside it,
    // a few pixels clear of the text on either side.
    void picturesStandInTheirBlanks_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("blanks"); // the length of the run
        QTest::newRow("question 9: the equation") << 139 << 32;
        QTest::newRow("question 12: the vector") << 142 << 12;
        QTest::newRow("question 14: the unit") << 144 << 15;
        QTest::newRow("question 20: pi") << 150 << 9;
    }

    void picturesStandInTheirBlanks()
    {
        QFETCH(int, form);
        QFETCH(int, blanks);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        for (quint32 seed : {1u, 5u, 9u}) {
            MemoryEnv env(runFolder());
            const Page p = generatePage(form, seed, env);
            const LabelItem &line = labelOf(p, "Label1");
            const QRegularExpression run(QStringLiteral("(?<! ) {%1}(?! )").arg(blanks));
            const auto m = run.match(line.text);
            QVERIFY2(m.hasMatch(), qPrintable(line.text));
            const int from = advanceTo(line, int(m.capturedStart()));
            const int to = advanceTo(line, int(m.capturedEnd()));
            const ImageItem *box = p.findImage("Image1");
            QVERIFY(box);
            const QImage img = pictureOf(*box);
            QVERIFY2(!img.isNull(), qPrintable(box->file));
            const auto [first, last] = inkColumns(*box, img);
            QVERIFY2(first >= from + 3 && last <= to - 3,
                     qPrintable(QStringLiteral("ink %1..%2, blanks %3..%4")
                                    .arg(first).arg(last).arg(from).arg(to)));
        }
    }

    // Formulas that follow their line's text begin after it.
    void formulasFollowTheirText_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("box");
        QTest::newRow("question 1") << 131 << "Image1";
        QTest::newRow("question 3") << 133 << "Image1";
        QTest::newRow("question 6") << 136 << "Image1";
        QTest::newRow("question 8") << 138 << "Image1";
        QTest::newRow("question 10") << 140 << "Image1";
        QTest::newRow("question 15") << 145 << "Image1";
        QTest::newRow("question 16") << 146 << "Image7";
    }

    void formulasFollowTheirText()
    {
        QFETCH(int, form);
        QFETCH(QString, box);
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        MemoryEnv env(runFolder());
        const Page p = generatePage(form, 1, env);
        const LabelItem &line = labelOf(p, "Label1");
        const ImageItem *img = p.findImage(box);
        QVERIFY(img);
        const QImage pic = pictureOf(*img);
        QVERIFY(!pic.isNull());
        QVERIFY(pic.width() <= img->width && pic.height() <= img->height); // shown unscaled
        const int end = advanceTo(line, int(line.text.trimmed().size()));
        QVERIFY2(inkColumns(*img, pic).first >= end + 3,
                 qPrintable(QStringLiteral("ink from %1, text to %2")
                                .arg(inkColumns(*img, pic).first).arg(end)));
        // the formula stands level with the line, not above or below it
        QVERIFY(img->top < line.top + 19 && img->top + pic.height() > line.top + 19);
    }

    // Question 20: π right behind every option's number, the index 1 right
    // behind the axis' name ОО.
    void question20SignsStandBehindTheirText()
    {
        if (runFolder().isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        for (quint32 seed : {1u, 2u, 3u, 4u}) {
            MemoryEnv env(runFolder());
            const Page p = generatePage(150, seed, env);
            for (int slot = 1; slot <= 5; ++slot) {
                const LabelItem &number = labelOf(p, kSlotLabels[slot - 1]);
                const ImageItem *box = p.findImage(kSlotImages[slot - 1]);
                QVERIFY(box && box->file == "SpS\\Q720.bmp");
                const int gap = inkColumns(*box, pictureOf(*box)).first
                                - advanceTo(number, int(number.text.size()));
                // a one-digit half stands further off: its box stays put
                QVERIFY2(gap >= 3 && gap <= (number.text.size() == 1 ? 30 : 15),
                         qPrintable(QStringLiteral("π %1 px after %2").arg(gap).arg(number.text)));
            }
            const LabelItem &line = labelOf(p, "Label1");
            const LabelItem &index = labelOf(p, "Label8");
            QVERIFY(line.text.endsWith(QStringLiteral("осі ОО")) && index.text == "1");
            const int gap = index.left - advanceTo(line, int(line.text.size()));
            QVERIFY2(gap >= -3 && gap <= 8, qPrintable(QStringLiteral("index %1 px off").arg(gap)));
            QVERIFY(index.top > line.top);
        }
    }

    // The cases the card gives for the drawn questions: the first page whose
    // lines read as the case's shows the case's options, option 1 keyed.
    void drawnCases_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("options");
        const QString q4 = "У трикутнику АВС кут В=%1°, АК - бісектриса кута А. Знайдіть градусну";
        const QString q14 = "Металевий циліндр об`ємом %1               "
                            "переплавили в кульки однакового розміру, ";
        const QString q20 = "Об`єм циліндра дорівнює %1         , точка М - середина осі ОО";
        const QString q19 = "Знайдіть координати точки, симетричної точці N(%1)";
        QTest::newRow("question 4, half 15, B 89")
            << 134 << q4.arg(89) << "міру кута КАС, якщо кут С=61°."
            << QStringList{"15°", "30°", "20°", "10°", "45°"};
        QTest::newRow("question 4, half 25, B 75")
            << 134 << q4.arg(75) << "міру кута КАС, якщо кут С=55°."
            << QStringList{"25°", "50°", "30°", "20°", "75°"};
        QTest::newRow("question 14, k 4") << 144 << q14.arg(128) << ""
                                          << QStringList{"12", "8", "4", "24", "20"};
        QTest::newRow("question 14, k 9") << 144 << q14.arg(288) << ""
                                          << QStringList{"27", "18", "9", "54", "45"};
        QTest::newRow("question 19, N(3;-5;7)")
            << 149 << q19.arg("3;-5;7") << "відносно площини x0z"
            << QStringList{"(3;5;7)", "(-3;-5;7)", "(3;-5;-7)", "(-7;-5;-7)", "(7;3;3)"};
        QTest::newRow("question 20, k 10") << 150 << q20.arg(60) << ""
                                           << QStringList{"10π", "20π", "40π", "30π", "5π"};
        QTest::newRow("question 20, k 15") << 150 << q20.arg(90) << ""
                                           << QStringList{"15π", "30π", "60π", "45π", "7π"};
    }

    void drawnCases()
    {
        QFETCH(int, form);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, options);
        const Page p = pageWhere(form, [&](const Page &page) {
            return labelOf(page, "Label1").text == first
                   && (second.isEmpty() || labelOf(page, "Label14").text == second);
        });
        QCOMPARE(p.optionForms, options);
        QCOMPARE(p.deal[p.key - 1], 1);
    }

    void question12Case()
    {
        OneRowEnv env({1, 2, 3, 4, 6, 8, 3, 4, 5});
        const Page p = generatePage(142, 1, env);
        QCOMPARE(labelOf(p, "Label1").text,
                 QStringLiteral("Знайдіть координати вектора            , якщо    А(1;2;3),      В(4;6;8)"));
        QCOMPARE(p.optionForms,
                 (QStringList{"(3;4;5)", "(3;4;6)", "(5;3;4)", "(5;4;3)", "(4;5;3)"}));
    }

    // Question 19 draws y again while it equals |x|, and z while it equals
    // |x| or |y|. From whichever state of the generator a loop starts, the
    // draws it sees are the next values of RandomIn(1, 9) along the one
    // cycle of 2^32 states; so every loop ends if no run of that cycle stays
    // within one value (for y) or within two values (for z), and the longest
    // such runs bound how often it draws.
    void question19RedrawsEndOverTheWholeCycle()
    {
        // RandomIn(1, 9) of the state after s, in integers; checked against
        // the generator on the first states.
        auto value = [](quint32 next) { return int((quint64(next) * 89 >> 32) + 10) / 10; };
        Rng rng;
        for (quint32 s = 0, i = 0; i < 1000000; ++i) {
            s = s * 134775813u + 1u;
            QCOMPARE(value(s), rng.RandomIn(1, 9));
        }

        quint32 s = 0;
        int last = -1, other = -1, run1 = 0, run2 = 0, longest1 = 0, longest2 = 0;
        const quint64 cycle = quint64(1) << 32;
        quint64 returns = 0, returnedAt = 0;
        // the whole cycle, then a few states past its start for the runs across it
        for (quint64 step = 1; step <= cycle + 64; ++step) {
            s = s * 134775813u + 1u;
            if (s == 0 && step <= cycle) {
                ++returns;
                returnedAt = step;
            }
            const int v = value(s);
            if (v == last) {
                ++run1;
                ++run2;
            } else if (v == other) {
                ++run2;
                run1 = 1;
                other = last;
                last = v;
            } else {
                run2 = run1 + 1;
                run1 = 1;
                other = last;
                last = v;
            }
            longest1 = std::max(longest1, run1);
            longest2 = std::max(longest2, run2);
        }
        QCOMPARE(returns, quint64(1)); // one cycle through every state
        QCOMPARE(returnedAt, cycle);
        // The longest runs: y is drawn at most 12 times, z at most 19 times.
        QCOMPARE(longest1, 11);
        QCOMPARE(longest2, 18);
    }
};

QTEST_MAIN(TestTest7)
#include "test_test7.moc"
