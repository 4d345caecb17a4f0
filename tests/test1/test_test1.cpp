// Test 1's own layout: the small labels and pictures that stand beside a
// slot follow the option dealt to that slot, and a few exact texts.
// (That every keyed option is right is the bank check's task.)
#include "env.h"
#include "fixture.h"
#include "files.h"
#include "question.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace vzt;

namespace {

const LabelItem &slotLabelOf(const Page &p, int option)
{
    return labelOf(p, kSlotLabels[keyOf(p.deal, option) - 1]);
}

} // namespace

class TestTest1 : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        // A table of question 17 whose every row is log_2 12 + log_2 5 - log_2 240 = -2.
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).mkpath("Ida");
        writeFile(dir_.filePath("Ida/VZT_2.txt"), QByteArray("2 12 5 240 -2\r\n").repeated(364));
    }

    void marksStandBySlotsOfTheirOptions_data()
    {
        using Check = std::function<void(const Page &)>;
        QTest::addColumn<int>("form");
        QTest::addColumn<Check>("check");

        // Option 5 of question 1 is the stacked fraction e/f in its slot.
        QTest::newRow("QN1 fraction") << 4 << Check([](const Page &p) {
            const LabelItem &num = slotLabelOf(p, 5);
            const LabelItem &den = labelOf(p, "Label14");
            const ImageItem *bar = p.findImage("Image1");
            QCOMPARE(num.top, 184 - 21);
            QCOMPARE(den.left, num.left);
            QCOMPARE(den.top, num.top + 42);
            QVERIFY(bar && bar->file == kFractionBar);
            QCOMPARE(bar->left, num.left - 5);
            QCOMPARE(bar->top, num.top + 35);
            QCOMPARE(p.optionForms[4], num.text + "/" + den.text);
        });
        // Question 4: slot K shows the numerator, Label15+K-1 the denominator under it.
        QTest::newRow("QN4 denominators") << 7 << Check([](const Page &p) {
            const char *names[5] = {"Label15", "Label16", "Label17", "Label18", "Label19"};
            for (int k = 1; k <= 5; ++k) {
                const LabelItem &den = labelOf(p, names[k - 1]);
                const LabelItem &num = labelOf(p, kSlotLabels[k - 1]);
                QCOMPARE(den.left, num.left);
                QCOMPARE(den.top, 292);
                QCOMPARE(p.optionForms[p.deal[k - 1] - 1], num.text + "/" + den.text);
                const ImageItem *bar = p.findImage(QStringLiteral("Image%1").arg(k));
                QVERIFY(bar && bar->file == kFractionBar && bar->left == num.left && bar->top == 280);
            }
        });
        // Question 10: the base of the option in slot K stands in Label15+K-1.
        QTest::newRow("QN10 bases") << 13 << Check([](const Page &p) {
            const char *names[5] = {"Label15", "Label16", "Label17", "Label18", "Label19"};
            const int lefts[5] = {172, 332, 508, 680, 836};
            for (int k = 1; k <= 5; ++k) {
                const LabelItem &base = labelOf(p, names[k - 1]);
                QCOMPARE(base.left, lefts[k - 1]);
                QCOMPARE(base.top, 274);
                QVERIFY(p.optionForms[p.deal[k - 1] - 1].endsWith(" base " + base.text));
                QVERIFY(!base.font.bold && base.font.px == 16);
            }
        });
        // Question 14: "3" over x, "x" over 2, the root sign before x.
        QTest::newRow("QN14 marks") << 17 << Check([](const Page &p) {
            QCOMPARE(labelOf(p, "Label15").text, QStringLiteral("3"));
            QCOMPARE(labelOf(p, "Label15").left, slotLabelOf(p, 3).left + 20);
            QCOMPARE(labelOf(p, "Label16").text, QStringLiteral("x"));
            QCOMPARE(labelOf(p, "Label16").left, slotLabelOf(p, 4).left + 20);
            QCOMPARE(labelOf(p, "Label15").top, 232);
            const ImageItem *root = p.findImage("Image1");
            QVERIFY(root && root->file == QStringLiteral("SpS\\sqrt.bmp"));
            QCOMPARE(root->left, slotLabelOf(p, 5).left - 20);
            QCOMPARE(root->top, 240);
        });
        // Question 15: the exponent of the option in slot K over it.
        QTest::newRow("QN15 exponents") << 18 << Check([](const Page &p) {
            const char *names[5] = {"Label15", "Label16", "Label17", "Label18", "Label19"};
            const char *exponents[5] = {"4", "7", "4", "", ""};
            for (int k = 1; k <= 5; ++k) {
                QCOMPARE(labelOf(p, names[k - 1]).text, QString(exponents[p.deal[k - 1] - 1]));
                QCOMPARE(labelOf(p, names[k - 1]).top, 236);
            }
        });
        // Question 17: the base of options 4 and 5 below and right of their "log".
        QTest::newRow("QN17 bases") << 20 << Check([](const Page &p) {
            for (auto [name, option] : {std::pair{"Label16", 4}, std::pair{"Label17", 5}}) {
                const LabelItem &slot = slotLabelOf(p, option);
                QCOMPARE(labelOf(p, name).left, slot.left + 36);
                QCOMPARE(labelOf(p, name).top, slot.top + 25);
                QCOMPARE(labelOf(p, name).text, QStringLiteral("2"));
            }
            // c2 = 12 (two digits) and c3 = 5 (one): two spaces, then one.
            QCOMPARE(labelOf(p, "Label15").text,
                     "2" + QString(2, ' ') + QString(13, ' ') + "2" + QString(1, ' ') +
                         QString(12, ' ') + "2");
            QCOMPARE(labelOf(p, "Label1").text,
                     QStringLiteral("Знайдіть значення виразу log 12+log 5-log 240"));
            // c5 = -2: the options -2, -3, 2, log 60 and log 20 (240 div 12).
            QCOMPARE(p.optionForms, QStringList({"-2", "-3", "2", "log 60 base 2",
                                                 "log 20 base 2"}));
        });
    }

    void marksStandBySlotsOfTheirOptions()
    {
        using Check = std::function<void(const Page &)>;
        QFETCH(int, form);
        QFETCH(Check, check);
        // Enough seeds to put every option into every slot.
        for (quint32 seed = 1; seed <= 60; ++seed) {
            MemoryEnv env(dir_.path());
            const Page p = generatePage(form, seed, env);
            QVERIFY(p.generated);
            check(p);
            if (QTest::currentTestFailed())
                qWarning("seed %u", seed);
        }
    }

    void polylineLongestCase()
    {
        // KM = 9 mm, MN = 9 cm, NP = 0,41 m (40 drawn) is 50,9 cm.
        const QString want = QStringLiteral("Знайдіть довжину ламаної КМNP, якщо КМ=9 мм, МN=9 см, NР=0,41 м");
        for (quint32 seed = 1; seed < 400000; ++seed) {
            MemoryEnv env;
            const Page p = generatePage(8, seed, env);
            if (p.findLabel("Label1")->text == want) {
                QCOMPARE(p.options[0], QStringLiteral("50,9 см"));
                return;
            }
        }
        QFAIL("no seed draws a = 9, b = 9, c = 40");
    }
};

QTEST_GUILESS_MAIN(TestTest1)
#include "test_test1.moc"
