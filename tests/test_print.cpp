// The printed test: vzt-print's PDF (read back with pdftotext), its answer
// key against the key files the same seeds make the trainer write, its
// refusals of bad input, and the answer sheet's "Друк".
#include "fixture.h"
#include "look.h"
#include "printout.h"
#include "startup.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using namespace vzt;

namespace {

// The text of a PDF, page by page, as pdftotext lays it out.
QStringList pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("pdftotext failed on %s", qPrintable(pdf));
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString squeezed(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

// The rows of a key page: variant, seed and the twenty letters.
struct KeyRow {
    int variant = 0;
    std::uint32_t seed = 0;
    QStringList letters;
};

QList<KeyRow> keyRows(const QString &page)
{
    static const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+)\\s+(\\d+)((?:\\s+[АБВГД]){20})\\s*$"),
        QRegularExpression::MultilineOption);
    QList<KeyRow> rows;
    for (auto it = row.globalMatch(page); it.hasNext();) {
        const auto m = it.next();
        rows << KeyRow{m.captured(1).toInt(), m.captured(2).toUInt(),
                       m.captured(3).split(' ', Qt::SkipEmptyParts)};
    }
    return rows;
}

struct Run {
    int status = -1;
    QString err;
};

Run vztPrint(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VZT_PRINT), args);
    if (!p.waitForFinished(120000))
        qFatal("vzt-print did not finish");
    return Run{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
               QString::fromUtf8(p.readAllStandardError())};
}

// What the trainer generates when its answer sheets seed the generator with
// `seed`: its windows, and the key files it writes in a folder of its own.
struct TrainerRun {
    WorkFolder folder;
    Program program;
    explicit TrainerRun(std::uint32_t seed)
    {
        setFixedSeed(seed);
        QStringList errors;
        program.startUp([&errors](const QString &e) { errors << e; });
        setFixedSeed(std::nullopt);
        if (!errors.isEmpty())
            qFatal("start-up errors: %s", qPrintable(errors.join('\n')));
    }
    int keyFile(int test, int q) const
    {
        return readFile(folder.dir.filePath(keyFileName(test, q))).toInt();
    }
};

// Every file under `folder` (links not followed) with its size, time and contents.
QMap<QString, QString> snapshot(const QString &folder)
{
    QMap<QString, QString> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QString what = info.isSymLink() ? QStringLiteral("link ") + info.symLinkTarget()
                                        : QString::number(info.size()) + ' '
                + info.lastModified().toString(Qt::ISODateWithMs);
        if (info.isFile() && !info.isSymLink()) {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            what += ' ' + QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex();
        }
        files.insert(path, what);
    }
    return files;
}

// Clicks the sheet's "Друк" and accepts the print dialog as it comes;
// returns the errors reported.
QStringList printThroughDialog(AnswerSheet *sheet, int &dialogs)
{
    sheet->content();
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
            ++dialogs;
            accept.stop();
            QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
        }
    });
    accept.start(20);
    QStringList errors;
    setErrorSink([&errors](const QString &e) { errors << e; });
    sheet->findChild<QPushButton *>("Button24")->click();
    setErrorSink({});
    return errors;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpLook(*qApp); }

    void twoVariantsOfTest1WithTheirKey()
    {
        const std::uint32_t seed = 20261210;
        QTemporaryDir out;
        const QString pdf = out.filePath("test1.pdf");
        {
            WorkFolder wf;
            const Run r = vztPrint({"--test", "1", "--variants", "2", "--seed", QString::number(seed),
                                    "--out", pdf});
            QVERIFY2(r.status == 0, qPrintable(r.err));
        }
        const QStringList pages = pdfPages(pdf);
        const std::array<std::uint32_t, 2> seeds{seed, variantSeed(seed, 2)};
        QVERIFY(seeds[0] != seeds[1]);

        // The key page: one row per variant, its seed and twenty letters, each
        // the key file the trainer writes when its sheet is seeded so.
        const QString key = pages.last();
        QVERIFY(key.contains(QStringLiteral("Відповіді. Тест 1")));
        const QList<KeyRow> rows = keyRows(key);
        QCOMPARE(rows.size(), 2);

        int next = 0; // the first page of the variant looked at
        for (int v = 1; v <= 2; ++v) {
            QCOMPARE(rows[v - 1].variant, v);
            QCOMPARE(rows[v - 1].seed, seeds[v - 1]);
            const QStringList letters = rows[v - 1].letters;
            TrainerRun trainer(seeds[v - 1]);
            for (int q = 1; q <= 20; ++q)
                QCOMPARE(letters[q - 1], slotLetter(trainer.keyFile(1, q)));

            // The variant's pages: from a new sheet, "сторінка i з n" in the
            // footer with its seed, the questions 1 … 20 in order, each whole
            // on one page with its text and its options as the window shows them.
            const QString footer = QStringLiteral("Тест 1 · варіант %1 · зерно %2 · сторінка ")
                                       .arg(v)
                                       .arg(seeds[v - 1]);
            QVERIFY2(pages[next].contains(footer + "1 з "), qPrintable(pages[next]));
            QVERIFY(pages[next].contains(QStringLiteral("Варіант %1").arg(v)));
            const int n = pages[next].section(footer + "1 з ", 1).section('\n', 0, 0).toInt();
            QVERIFY(n >= 2 && n <= 20);
            int q = 0;
            static const QRegularExpression number(QStringLiteral("^(\\d{1,2})\\.\\s"),
                                                   QRegularExpression::MultilineOption);
            for (int i = 1; i <= n; ++i) {
                const QString &page = pages[next + i - 1];
                QVERIFY2(page.contains(footer + QStringLiteral("%1 з %2").arg(i).arg(n)),
                         qPrintable(page));
                for (auto it = number.globalMatch(page); it.hasNext();) {
                    const int shown = it.next().captured(1).toInt();
                    QCOMPARE(shown, ++q);
                    const Page &p = trainer.program.question(1, q)->page;
                    QStringList parts{p.findLabel("Label1")->text};
                    for (const QString &s : kSlotLabels)
                        if (const LabelItem *l = p.findLabel(s); l && l->visible)
                            parts << l->text;
                    for (const QString &part : parts)
                        QVERIFY2(squeezed(page).contains(squeezed(displayText(part))),
                                 qPrintable(QStringLiteral("question %1: %2").arg(q).arg(part)));
                }
            }
            QCOMPARE(q, 20);
            next += n;
        }
        QCOMPARE(pages.size(), next + 1);
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("missing"); // a picture or table taken from the folder
        QTest::addColumn<QString>("says");
        const QString out = QStringLiteral("out.pdf");
        QTest::newRow("test 11") << QStringList{"--test", "11", "--out", out} << QString()
                                 << "unknown test \"11\"";
        QTest::newRow("test 0") << QStringList{"--test", "0", "--out", out} << QString()
                                << "unknown test \"0\"";
        QTest::newRow("test word") << QStringList{"--test", "two", "--out", out} << QString()
                                   << "unknown test \"two\"";
        QTest::newRow("no test") << QStringList{"--out", out} << QString() << "--test N is required";
        QTest::newRow("0 variants") << QStringList{"--test", "1", "--variants", "0", "--out", out}
                                    << QString() << "--variants must be 1 to 50";
        QTest::newRow("51 variants") << QStringList{"--test", "1", "--variants", "51", "--out", out}
                                     << QString() << "--variants must be 1 to 50";
        QTest::newRow("no folder") << QStringList{"--test", "1", "--out", "no/such/folder/t.pdf"}
                                   << QString() << "cannot write \"no/such/folder/t.pdf\"";
        QTest::newRow("a folder") << QStringList{"--test", "1", "--out", "SpS.pdf"} << "SpS.pdf"
                                  << "cannot write \"SpS.pdf\": it is a folder";
        QTest::newRow("not a pdf") << QStringList{"--test", "1", "--out", "stat01.txt"} << QString()
                                   << "must be a .pdf file";
        QTest::newRow("bad seed") << QStringList{"--test", "1", "--seed", "-4", "--out", out}
                                  << QString() << "--seed must be a whole number";
        QTest::newRow("missing picture")
            << QStringList{"--test", "1", "--out", out} << "SpS/N2.bmp"
            << "question 7 (QN7): Cannot open file";
        QTest::newRow("missing table")
            << QStringList{"--test", "1", "--out", out} << "Ida/VZT_2.txt"
            << "question 17 (QN17): File not found: Ida\\VZT_2.txt";
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, missing);
        QFETCH(QString, says);
        WorkFolder wf(false);
        const QString run = qEnvironmentVariable("VZT_RUN");
        // the content folders, each file linked, but for the one left out
        for (const QString sub : {"SpS", "Ida"}) {
            QDir().mkdir(sub);
            for (const QString &f : QDir(run + "/" + sub).entryList(QDir::Files))
                if (sub + "/" + f != missing)
                    QFile::link(run + "/" + sub + "/" + f, sub + "/" + f);
        }
        if (missing == "SpS.pdf")
            QDir().mkdir(missing);
        const auto before = snapshot(wf.dir.path());
        const Run r = vztPrint(args);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.startsWith("vzt-print: ") && r.err.contains(says), qPrintable(r.err));
        if (missing.startsWith("SpS/"))
            QVERIFY2(r.err.contains(missing), qPrintable(r.err)); // named
        QCOMPARE(snapshot(wf.dir.path()), before); // no output, nothing else written
    }

    void theSeedPrintsAVariantAgain()
    {
        // Variant 2's seed given as the first seed prints variant 2's questions.
        QTemporaryDir out;
        WorkFolder wf;
        const std::uint32_t seed = 99;
        QCOMPARE(vztPrint({"--test", "5", "--variants", "2", "--seed", QString::number(seed),
                           "--out", out.filePath("a.pdf")}).status, 0);
        QCOMPARE(vztPrint({"--test", "5", "--seed", QString::number(variantSeed(seed, 2)), "--out",
                           out.filePath("b.pdf")}).status, 0);
        const QStringList a = pdfPages(out.filePath("a.pdf"));
        const QStringList b = pdfPages(out.filePath("b.pdf"));
        QCOMPARE(keyRows(b.last()).size(), 1);
        QCOMPARE(keyRows(b.last())[0].letters, keyRows(a.last())[1].letters);
        QCOMPARE(keyRows(b.last())[0].seed, keyRows(a.last())[1].seed);
        const QStringList questionsA = a.mid(a.size() - 1 - (b.size() - 1), b.size() - 1);
        for (int i = 0; i < b.size() - 1; ++i) // the same questions; only the variant number differs
            QCOMPARE(QString(b[i]).remove(QStringLiteral("Варіант 1")).remove(QStringLiteral("варіант 1")),
                     QString(questionsA[i]).remove(QStringLiteral("Варіант 2")).remove(QStringLiteral("варіант 2")));
    }

    void sheetPrintsTheLearnersQuestionsAndWritesNothing()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8()); // where the print dialog offers to save
        TrainerRun trainer(4242);
        AnswerSheet *sheet = trainer.program.sheet(2);
        sheet->content();
        const auto before = snapshot(trainer.folder.dir.path());
        int dialogs = 0;
        const QStringList errors = printThroughDialog(sheet, dialogs);
        qputenv("HOME", oldHome);
        QCOMPARE(dialogs, 1);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QCOMPARE(snapshot(trainer.folder.dir.path()), before);

        // The learner's twenty questions, with the seed their sheet drew them from.
        QDirIterator found(home.path(), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(found.hasNext());
        const QStringList pages = pdfPages(found.next());
        const QString all = squeezed(pages.join(QString()));
        QVERIFY(!all.contains(squeezed(QStringLiteral("Відповіді"))));
        for (int q = 1; q <= 20; ++q) {
            // the start of each question (small labels may stand inside its line)
            const QString start = squeezed(displayText(
                trainer.program.question(2, q)->page.findLabel("Label1")->text)).left(12);
            QVERIFY2(all.contains(start), qPrintable(QString::number(q) + ": " + start));
        }
        QVERIFY(pages.first().contains(QStringLiteral("Тест 2 · зерно 4242 · сторінка 1 з ")));
    }

    void sheetNeverPrintsIntoTheWorkingFolder()
    {
        // A learner whose home is the working folder is offered a file there:
        // the print is refused, with the reason, and nothing is written.
        const QByteArray oldHome = qgetenv("HOME");
        TrainerRun trainer(4242);
        qputenv("HOME", trainer.folder.dir.path().toUtf8());
        AnswerSheet *sheet = trainer.program.sheet(1);
        const auto before = snapshot(trainer.folder.dir.path());
        int dialogs = 0;
        const QStringList errors = printThroughDialog(sheet, dialogs);
        qputenv("HOME", oldHome);
        QCOMPARE(dialogs, 1);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith(QStringLiteral("Файл друку не можна записати в робочу теку")),
                 qPrintable(errors[0]));
        QCOMPARE(snapshot(trainer.folder.dir.path()), before);
    }

    void printIsTheLastFocusStop()
    {
        WorkFolder wf(false);
        AnswerSheet sheet(testInfo(10));
        sheet.content();
        auto *x = sheet.findChild<QPushButton *>("Button1");
        auto *print = sheet.findChild<QPushButton *>("Button24");
        QCOMPARE(print->text(), QStringLiteral("Друк"));
        QCOMPARE(x->nextInFocusChain(), print);
        // it stands in the empty lower row, clear of every other control
        for (QWidget *w : sheet.content()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (w != print)
                QVERIFY2(!w->geometry().intersects(print->geometry()), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
