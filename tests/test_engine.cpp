// The generator, the deal, the table reader and the key files.
#include "datatable.h"
#include "env.h"
#include "errors.h"
#include "files.h"
#include "question.h"
#include "solution.h"
#include "rng.h"

#include <QTemporaryDir>
#include <QtTest>
#include <set>

using namespace vzt;

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void generatorFromSeedZero()
    {
        Rng r;
        QCOMPARE(r.NextBelow(49), 0u);
        QCOMPARE(r.seed, 1u);
        QCOMPARE(r.NextBelow(49), 1u);
        QCOMPARE(r.seed, 134775814u);
        QCOMPARE(r.NextBelow(49), 42u);
        QCOMPARE(r.seed, std::uint32_t(134775814ull * 134775813ull + 1ull));
        Rng s;
        QCOMPARE(s.RandomIn(1, 5), 1);
        QCOMPARE(s.RandomIn(1, 5), 1);
        QCOMPARE(s.RandomIn(1, 5), 5);
    }

    void randomInWeights()
    {
        // Over every generator outcome r of NextBelow(49), RandomIn(1, 5) gives
        // 1..4 ten times each and 5 nine times; RandomIn(a, a) still steps.
        std::map<int, int> count;
        for (int r = 0; r < 49; ++r)
            ++count[int(std::trunc((r + 10.0) / 10.0))];
        QCOMPARE(count, (std::map<int, int>{{1, 10}, {2, 10}, {3, 10}, {4, 10}, {5, 9}}));
        Rng g;
        g.seed = 12345;
        std::map<int, int> seen;
        for (int i = 0; i < 49000; ++i)
            ++seen[g.RandomIn(1, 5)];
        QCOMPARE(seen.size(), size_t(5));
        QVERIFY(seen.begin()->first == 1 && seen.rbegin()->first == 5);
        Rng h;
        QCOMPARE(h.RandomIn(7, 7), 7);
        QCOMPARE(h.seed, 1u);
    }

    void dealIsPermutationAndKeyFollowsIt()
    {
        Rng g;
        g.seed = 99;
        for (int i = 0; i < 5000; ++i) {
            const Deal d = g.DealSlots();
            QCOMPARE(std::set<int>(d.begin(), d.end()), (std::set<int>{1, 2, 3, 4, 5}));
            for (int right = 1; right <= 5; ++right)
                QCOMPARE(d[keyOf(d, right) - 1], right);
        }
        QCOMPARE(keyOf(Deal{3, 1, 5, 2, 4}, 1), 2);
        // Slot 1 holds option 5 with probability 9/49.
        Rng u;
        int five = 0;
        const int n = 98000;
        for (int i = 0; i < n; ++i)
            five += u.DealSlots()[0] == 5;
        QVERIFY(std::abs(five - n * 9 / 49) < 600);
    }

    void tableRows_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("k");
        QTest::addColumn<QList<long long>>("expected");
        const QByteArray t = "1 2 3\r\n4 5 6\r\n7 8 9\r\n";
        QTest::newRow("first row") << t << 1 << 3 << QList<long long>{1, 2, 3};
        QTest::newRow("last row") << t << 3 << 3 << QList<long long>{7, 8, 9};
        QTest::newRow("extra integers unread") << t << 2 << 2 << QList<long long>{4, 5};
        QTest::newRow("blanks and tabs") << QByteArray("  -1\t\t+2   3\r\n") << 1 << 3
                                         << QList<long long>{-1, 2, 3};
        QTest::newRow("short row reads on") << QByteArray("1 2\r\n3 4\r\n") << 1 << 3
                                            << QList<long long>{1, 2, 3};
        QTest::newRow("past the end reads zeros") << t << 5 << 3 << QList<long long>{0, 0, 0};
        QTest::newRow("end within a row") << QByteArray("1 2") << 1 << 3
                                          << QList<long long>{1, 2, 0};
        QTest::newRow("LF line ends") << QByteArray("1\n2\n") << 2 << 1 << QList<long long>{2};
    }

    void tableRows()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, row);
        QFETCH(int, k);
        QFETCH(QList<long long>, expected);
        const auto got = readRow(text, row, k);
        QCOMPARE(QList<long long>(got.begin(), got.end()), expected);
    }

    void indexedRowsReadAsFromTheStart()
    {
        // The bank check finds rows through an index; it must read exactly
        // what reading from the table's start reads, short rows and all.
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QDir().mkdir("Ida");
        const QByteArray text = "1 2 3\r\n4\r\n\r\n5 6 7 8\n9\r10 11 12";
        writeFile("Ida/T.txt", text);
        MemoryEnv env;
        for (int r = 1; r <= 9; ++r)
            for (int k = 1; k <= 4; ++k)
                QCOMPARE(env.row("Ida\\T.txt", r, k), readRow(text, r, k));
    }

    void rowsFoundWhateverTheLineEnds()
    {
        // Line r holds the number r after a few blanks; the lines end in
        // CR LF, LF or a CR alone, in turn, so that line ends stand at every
        // offset of the text, a CR LF split across them too.
        static const char *const ends[] = {"\r\n", "\n", "\r\n", "\r", "\r\n"};
        QByteArray text;
        int splitPairs = 0;
        const int lines = 600;
        for (int r = 1; r <= lines; ++r) {
            text += QByteArray(r * 7 % 19, r % 5 ? ' ' : '\t') + QByteArray::number(r);
            if (QByteArray(ends[r % 5]) == "\r\n" && text.size() % 16 == 15)
                ++splitPairs;
            text += ends[r % 5];
        }
        QVERIFY(splitPairs > 0);
        for (int r = 1; r <= lines; ++r)
            QCOMPARE(readRow(text, r, 1).at(0), r);
        QCOMPARE(readRow(text, lines + 1, 1).at(0), 0);
        QCOMPARE(readRow(text + "\r", lines + 1, 1).at(0), 0);
    }

    void tableErrors()
    {
        for (const QByteArray &bad : {QByteArray("1 x2 3"), QByteArray("1 - 3"), QByteArray("1 2.5 3")}) {
            try {
                readRow(bad, 1, 3);
                QFAIL("no error");
            } catch (const Error &e) {
                QCOMPARE(e.text(), kInvalidNumericInput);
            }
        }
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FileEnv env;
        try {
            env.table(QStringLiteral("Ida\\VZT_1.txt"));
            QFAIL("no error");
        } catch (const Error &e) {
            QCOMPARE(e.text(), kFileNotFound);
        }
        QDir().mkdir("Ida");
        writeFile("Ida/VZT_1.txt", "5 6\r\n");
        QCOMPARE(env.table(QStringLiteral("Ida\\VZT_1.txt")), QByteArray("5 6\r\n"));
    }

    void keyFilesAndKeyList()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        FileEnv env;
        env.writeKey(1, 20, 3);
        QCOMPARE(readFile("stat_1_20.txt"), QByteArray("3"));
        QByteArray list;
        for (int i = 0; i < 20; ++i)
            list += "0\r\n";
        writeFile(kKeyList, list);
        env.writeKey(10, 7, 5);
        env.writeKey(10, 1, 2);
        QCOMPARE(readFile("stat_10_7.txt"), QByteArray("5"));
        QByteArray want = "2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5\r\n";
        for (int i = 7; i < 20; ++i)
            want += "0\r\n";
        QCOMPARE(readFile(kKeyList), want);
        // A short list reads its missing lines as empty; longer lines keep their first character.
        writeFile(kKeyList, "12345\r\n");
        env.writeKey(10, 3, 4);
        QCOMPARE(readFile(kKeyList), QByteArray("1\r\n\r\n4\r\n") + QByteArray("\r\n").repeated(17));
    }

    void templateFillsSlotsFromTheDeal()
    {
        // A template's options land in the slots of the deal; the key is the
        // slot of the right option, written through the environment.
        static const TemplateInfo info{1, 1, "T", 4, [](Q &q) {
            q.textOptions({"o1", "o2", "o3", "o4", "o5"}, 1);
        }};
        MemoryEnv env;
        env.generator.seed = 2024;
        Rng copy = env.generator;
        const Deal expected = copy.DealSlots();
        Page p = commonPage(4, "T", 1, 1);
        runTemplate(p, &info, env);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(p.findLabel(kSlotLabels[k - 1])->text, QStringLiteral("o%1").arg(expected[k - 1]));
        QCOMPARE(p.key, keyOf(expected, 1));
        QCOMPARE(env.keys.at({1, 1}), p.key);
    }

    void solutionsAreChecked()
    {
        // The check of a worked solution, on a page whose right option is
        // 24/25: a sound solution passes with every equality of numbers
        // evaluated; broken ones are caught; equalities with a name, a
        // function or a root on one side are passed over, not misread.
        static const TemplateInfo info{1, 4, "T", 7, [](Q &q) {
            q.textOptions({"24/25", "1/25", "1/24", "23/25", "22/25"}, 1);
        }};
        struct Case {
            const char *name;
            QStringList steps;
            int named; // 0: the engine's answer step; -1: none
            QString failure; // empty: passes
            int equalities;
        };
        const QString tooLarge = QStringLiteral("2<sup>70</sup> · 2<sup>70</sup> = 4<sup>70</sup>");
        const std::vector<Case> cases{
            {"sound", {"Незіпсованих 100 − 4 = 96 %.", "P = 96/100 = 24/25."}, 0, {}, 2},
            {"chain, powers, decimals", {"2 · 3 = 6 = 12/2, 2<sup>−1</sup> = 0,5 = 1/2; (−3)² = 9."}, 0, {}, 5},
            {"names another option", {"P = 24/25."}, 2, "names option 2", 0},
            {"false fraction", {"P = 96/100 = 23/25."}, 0, "96/100 = 23/25, which is false", 1},
            {"false power", {"2<sup>10</sup> = 1000."}, 0, "which is false", 1},
            {"rounded with =", {"1/3 = 0,33."}, 0, "which is false", 1},
            {"division by zero", {"5/0 = 1."}, 0, "divides by zero", 0},
            {"names passed over", {"x = 2 + 3, sin 30° = 1/2, 2√3 = 3, f(2) = 5, x − 3 = 4, 3x = 4, "
                                   "x<sup>2</sup> = 9, x<sub>1</sub> = 7, |−3| = 4, 2 π = 6, y = 2 x."},
             0, {}, 0},
            {"words beside numbers", {"Маємо 2 + 3 = 5 см, тому 5 · 2 = 10."}, 0, {}, 2},
            {"signs and division", {"Тоді −3 − 1 = −4, 30 : 5 = 6; маса: 2 + 1 = 3; при 5: 5 − 1 = 4."}, 0, {}, 4},
            {"false after a word", {"Отже, −3 − 1 = 4."}, 0, "which is false", 1},
            {"too large to evaluate", {tooLarge}, 0, {}, 0},
            {"answer only", {}, 0, "1 steps", 0},
            {"no answer", {"P = 24/25.", "Отже, P = 24/25."}, -1, "names no option", 0},
            {"answer too early", {"Відповідь: 24/25"}, 0, "before the last step", 0},
            {"seven steps", {"1", "2", "3", "4", "5", "6"}, 0, "7 steps", 0},
        };
        MemoryEnv env;
        env.generator.seed = 7;
        Page p = commonPage(7, "T", 1, 4);
        runTemplate(p, &info, env);
        for (const Case &c : cases) {
            p.solver = [&c](Steps &s) {
                for (const QString &step : c.steps)
                    s << step;
                if (c.named == 0)
                    s.answer();
                else if (c.named > 0)
                    s.answerOption(c.named, QString());
            };
            const Solution sol = solve(p);
            int equalities = -1;
            const QStringList failures = checkSolution(p, sol, &equalities);
            if (c.failure.isEmpty())
                QVERIFY2(failures.isEmpty(), qPrintable(QString(c.name) + ": " + failures.join("; ")));
            else
                QVERIFY2(failures.join("; ").contains(c.failure),
                         qPrintable(QString(c.name) + ": " + failures.join("; ")));
            QVERIFY2(equalities == c.equalities,
                     qPrintable(QStringLiteral("%1: %2 equalities").arg(c.name).arg(equalities)));
        }
        // The answer step names the keyed slot's letter and the option as seen.
        p.solver = [](Steps &s) { s << "P = 24/25."; s.answer(); };
        QCOMPARE(solve(p).steps.back(), "Відповідь: " + slotLetter(p.key) + ") 24/25");
        QCOMPARE(plainStep("x<sup>2</sup> &lt; 9, a<sub>1</sub>"), QStringLiteral("x² < 9, a1"));
    }

    void displayTextShowsControlCharacters()
    {
        const QString option = QStringLiteral("y=-") + QChar(5) + "x" + QChar(5);
        QCOMPARE(displayText(option), QStringLiteral("y=-|x|"));
        QCOMPARE(displayText(QStringLiteral("10") + QChar(7) + "9"), QStringLiteral("10·9"));
        QVERIFY(displayText(option) != displayText(QStringLiteral("y=-x")));
    }

    void cp1251()
    {
        QCOMPARE(toCp1251(QStringLiteral("ВЗТ і")), QByteArray("\xC2\xC7\xD2 \xB3"));
        QCOMPARE(fromCp1251(QByteArray("\xCF\xEE")), QStringLiteral("По"));
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "test_engine.moc"
