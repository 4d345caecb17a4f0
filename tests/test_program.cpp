// Start-up and whole tests as a learner takes them: windows in their order,
// key files, start-up errors, and every completed test graded with no errors.
#include "errors.h"
#include "files.h"
#include "fixture.h"
#include "look.h"
#include "question.h"
#include "solution.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace vzt;

namespace {

// Runs `step` on each modal window as it opens, until `step` returns false.
// The timer keeps running while a step opens a nested modal window.
void driveModals(std::function<bool(QWidget *)> step)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            QMetaObject::invokeMethod(w, [timer, step, w] {
                timer->start();
                if (!step(w)) {
                    timer->stop();
                    timer->deleteLater();
                }
            }, Qt::QueuedConnection);
        }
    });
    timer->start();
}

// A key file's bytes, or "missing".
QByteArray keyBytes(int test, int question)
{
    try {
        return readFile(keyFileName(test, question));
    } catch (const Error &) {
        return "missing";
    }
}

bool testComplete(int test)
{
    for (const auto &q : testInfo(test).questions)
        if (!findTemplate(q.form))
            return false;
    return true;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpLook(*qApp); }

    void windowsInCreationOrder()
    {
        WorkFolder wf;
        Program p;
        QStringList errors;
        p.startUp([&](const QString &e) { errors << e; });
        QStringList names;
        for (Window *w : p.windows())
            names << w->className();
        QStringList expected{"TForm1"};
        for (const TestInfo &t : tests()) {
            expected << QStringLiteral("TForm%1").arg(t.form);
            for (auto [form, k] : t.creationOrder())
                expected << QStringLiteral("TForm%1").arg(form);
        }
        expected << "TForm215";
        QCOMPARE(names, expected);
        QCOMPARE(names.size(), 212);
        for (const char *unused : {"TForm2", "TForm24", "TForm167"})
            QVERIFY(!names.contains(unused));
        QCOMPARE(p.windows()[1]->windowTitle(), QStringLiteral("Form3"));
        // Test 2: button 4 opens TForm30, which keys question 4.
        QCOMPARE(p.question(2, 4)->number(), 30);
        QCOMPARE(p.question(2, 4)->page.question, 4);
        QCOMPARE(p.question(8, 16)->number(), 168);

        // Every template's key file holds one digit 1..5; the key list repeats Test 10's keys.
        for (const TemplateInfo &t : templates()) {
            const QByteArray key = keyBytes(t.test, t.question);
            QVERIFY2(key.size() == 1 && key[0] >= '1' && key[0] <= '5', t.unit);
            QCOMPARE(key.toInt(), p.question(t.test, t.question)->page.key);
        }
        const QList<QByteArray> list = readFile(kKeyList).split('\n');
        QCOMPARE(list.size(), 21);
        for (int q = 1; q <= 20; ++q)
            if (findTemplate(testInfo(10).questions[q - 1].form))
                QCOMPARE(list[q - 1], keyBytes(10, q) + "\r");
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
    }

    void closeButtonNeverHidesText()
    {
        WorkFolder wf;
        Program p;
        p.startUp([](const QString &) {});
        for (const TemplateInfo &t : templates()) {
            QWidget *c = p.question(t.test, t.question)->content();
            const QRect x = c->findChild<QPushButton *>("Button1")->geometry();
            for (const QLabel *l : c->findChildren<QLabel *>())
                if (!l->text().isEmpty())
                    QVERIFY2(!l->geometry().intersects(x),
                             qPrintable(QStringLiteral("%1 %2").arg(t.unit, l->objectName())));
        }
    }

    void missingPictureIsReportedAndStartUpGoesOn()
    {
        WorkFolder wf(false);
        QDir().mkdir("SpS");
        Program p;
        QStringList errors;
        p.startUp([&](const QString &e) { errors << e; });
        QVERIFY(errors.size() >= 1);
        QVERIFY(errors[0].startsWith(QStringLiteral("Cannot open file")));
        QVERIFY(errors[0].contains("title.bmp"));
        QCOMPARE(p.menu()->catalogueCaption, QStringLiteral("Button12"));
        QCOMPARE(p.windows().size(), size_t(212));
        // Templates without their tables stop before writing a key.
        for (const TemplateInfo &t : templates())
            if (p.question(t.test, t.question)->page.key == 0 && t.test == 1)
                QCOMPARE(readFile(keyFileName(1, t.question)), QByteArray("0"));
    }

    // A key file that cannot be written at start-up (here the disk takes no
    // byte) is reported; the question's window stays usable, and grading
    // counts that question as an error instead of using an old key.
    void aKeyFileThatCannotBeWrittenGradesItsQuestionWrong()
    {
        WorkFolder wf;
        const TestInfo info = testInfo(4);
        for (int q = 1; q <= 20; ++q)
            writeFile(keyFileName(4, q), "1");
        FileEnv env;
        env.rng().seed = 4;
        const int form = info.questions[5].form;
        QuestionWindow w(form);
        w.page = commonPage(form, info.questions[5].unit, 4, 6);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit none = saved;
        none.rlim_cur = 0;
        std::signal(SIGXFSZ, SIG_IGN);
        QStringList reports;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &none) == 0);
        reportErrors([&](const QString &e) { reports << e; },
                     [&] { runTemplate(w.page, findTemplate(form), env); });
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(reports, QStringList{"Disk write error\n" + keyFileName(4, 6)});
        QVERIFY(w.page.generated && w.page.key >= 1);
        QStringList shown;
        for (const QLabel *l : w.content()->findChildren<QLabel *>())
            shown << l->text();
        QVERIFY(shown.contains(w.page.options[w.page.right - 1]));

        SheetModel m(info);
        m.create();
        m.choice.fill(1);
        m.choice[5] = w.page.key; // the right answer, which no stale key may grade
        m.confirm();
        m.grade();
        QCOMPARE(m.colour[5], SheetModel::Colour::Red);
        QCOMPARE(m.errors, 1);
    }

    void boldTextIsHeavier()
    {
        // The same text in the question lines' bold and in regular weight:
        // bold covers clearly more pixels.
        QWidget host;
        const QString text = QStringLiteral("Знайдіть корені рівняння АВС 123");
        auto ink = [&](bool bold) {
            Font f = lineFont();
            f.bold = bold;
            QLabel *l = placeLabel(&host, QStringLiteral("L"), text, 0, 0, f);
            const QImage img = l->grab().toImage();
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    n += qBlue(img.pixel(x, y)) > 200 && qRed(img.pixel(x, y)) < 128;
            delete l;
            return n;
        };
        const int regular = ink(false);
        const int bold = ink(true);
        QVERIFY2(bold > regular * 13 / 10, qPrintable(QStringLiteral("%1 against %2").arg(bold).arg(regular)));
    }

    void menuKeyboardNeverEndsTheProgram()
    {
        WorkFolder wf;
        Program p;
        p.startUp([](const QString &) {});
        MainMenu *menu = p.menu();
        menu->content();
        menu->show();
        QApplication::setActiveWindow(menu);
        QVERIFY(QTest::qWaitForWindowActive(menu));
        // The first focus stop is "Test1"; "X" is the last one.
        QWidget *first = menu->nextInFocusChain();
        while (first->focusPolicy() == Qt::NoFocus || !first->isVisibleTo(menu))
            first = first->nextInFocusChain();
        QCOMPARE(first->objectName(), QStringLiteral("Button2"));
        QCOMPARE(menu->findChild<QPushButton *>("Button12")->nextInFocusChain(),
                 menu->findChild<QPushButton *>("Button1"));
        // Enter right after start-up does nothing.
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : menu,
                        Qt::Key_Return);
        QVERIFY(menu->isVisible());
        for (QPushButton *b : menu->findChildren<QPushButton *>())
            QVERIFY(!b->isDefault() && !b->autoDefault());
        menu->hide();
    }

    void wrongFolderIsNamedOnce()
    {
        WorkFolder wf(false, false);
        const QString problem = workingFolderProblem(QStringLiteral("."));
        QVERIFY(problem.contains(QDir::toNativeSeparators(QDir::currentPath())));
        QVERIFY(problem.contains("SpS") && problem.contains("Ida"));
        QDir().mkdir("SpS");
        QVERIFY(!workingFolderProblem(QStringLiteral(".")).contains(QStringLiteral("SpS (")));
        QDir().mkdir("Ida");
        QVERIFY(workingFolderProblem(QStringLiteral(".")).isEmpty());
    }

    void windowsStayOnTheScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1366, 738);
        QTest::newRow("fits") << QRect(10, 20, 800, 600) << QRect(10, 20, 800, 600);
        QTest::newRow("off the top left") << QRect(-8, -8, 1382, 744) << QRect(0, 0, 1366, 738);
        QTest::newRow("fits in size, not in place") << QRect(-8, -8, 1000, 600)
                                                     << QRect(0, 0, 1000, 600);
        QTest::newRow("runs off the right") << QRect(900, 100, 800, 600) << QRect(566, 100, 800, 600);
    }
    void windowsStayOnTheScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        QCOMPARE(fitInto(frame, QRect(0, 0, 1366, 738)), expected);
    }

    void normalWindowFitsTheScreen()
    {
        WorkFolder wf;
        Program p;
        p.startUp([](const QString &) {});
        QuestionWindow *w = p.window(35); // the one window that opens at its designed size
        QVERIFY(w);
        w->showAtSize();
        w->show();
        QTest::qWait(20); // the frame is known once the window is shown
        const QRect avail = w->screen()->availableGeometry();
        QVERIFY2(avail.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6").arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y()).arg(w->frameGeometry().width()).arg(w->frameGeometry().height())
                                .arg(avail.width()).arg(avail.height())));
        w->hide();
    }

    // The worked solution of a question: nothing of it before its test's
    // sheet is graded; after grading, the button below the question shows it,
    // and a wrong row's right letter on the sheet opens the question with it.
    void solutionOnlyAfterGrading()
    {
        WorkFolder wf;
        Program p;
        p.startUp([](const QString &) {});
        QuestionWindow *q4 = p.question(1, 4);
        QVERIFY(hasSolution(q4->page));
        const QSize before = q4->content()->size();
        q4->show();
        QVERIFY(!q4->solutionButtonShown());
        q4->showSolution(); // not reachable before grading
        QVERIFY(!q4->solutionText());
        QCOMPARE(q4->content()->size(), before); // the window as designed
        q4->hide();

        AnswerSheet *sheet = p.sheet(1);
        sheet->content();
        for (int k = 1; k <= 20; ++k)
            sheet->choose(k, k == 4 ? q4->page.key % 5 + 1 : keyBytes(1, k).toInt());
        QLabel *letter4 = sheet->findChild<QLabel *>("Label19");
        QList<int> opened;
        const auto open = sheet->openSolution;
        sheet->openSolution = [&](int k) { opened << k; };
        QTest::mouseClick(letter4, Qt::LeftButton); // ungraded: no letter, nothing opens
        QVERIFY(opened.isEmpty());
        sheet->prepareClicked();
        sheet->controlClicked();
        QCOMPARE(sheet->model.errors, 1);
        QCOMPARE(letter4->text(), slotLetter(q4->page.key));
        QTest::mouseClick(sheet->findChild<QLabel *>("Label16"), Qt::LeftButton); // a right row: no letter
        QTest::mouseClick(letter4, Qt::LeftButton);
        QCOMPARE(opened, QList<int>{4});

        // Test 2 is not graded: its questions still show nothing.
        QuestionWindow *other = p.question(2, 1);
        other->show();
        QVERIFY(!other->solutionButtonShown());
        other->hide();

        q4->show();
        QVERIFY(q4->solutionButtonShown());
        q4->findChild<QPushButton *>("SolutionButton")->click();
        QVERIFY(q4->solutionText());
        const QString shown = q4->solutionText()->text();
        QVERIFY2(shown.contains("Відповідь: " + slotLetter(q4->page.key) + ") "), qPrintable(shown));
        q4->hide();

        // Through the sheet's own action: the question opens with its solution.
        sheet->openSolution = open;
        bool seenWithSolution = false;
        driveModals([&](QWidget *w) {
            seenWithSolution = w == q4 && q4->solutionText();
            w->findChild<QPushButton *>("Button1")->click();
            return false;
        });
        sheet->rightLetterClicked(4);
        QVERIFY(seenWithSolution);
    }

    void takingEachCompleteTest_data()
    {
        QTest::addColumn<int>("test");
        for (int t = 1; t <= 10; ++t)
            if (testComplete(t))
                QTest::newRow(qPrintable(QStringLiteral("test %1").arg(t))) << t;
    }
    void takingEachCompleteTest()
    {
        QFETCH(int, test);
        WorkFolder wf;
        const QDateTime started(QDate(2024, 3, 5), QTime(9, 5, 7));
        Program p([started] { return started; });
        QStringList errors;
        p.startUp([&](const QString &e) { errors << e; });
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

        // Menu -> answer sheet -> question 1 -> "X" -> answers -> Prepear -> Control -> "X".
        QStringList seen;
        int step = 0;
        driveModals([&](QWidget *w) {
            seen << w->objectName();
            AnswerSheet *sheet = p.sheet(test);
            if (step++ == 0) {
                w->findChild<QPushButton *>("Button2")->click(); // opens question 1
                return true;
            }
            if (w != sheet) {
                w->findChild<QPushButton *>("Button1")->click(); // "X"
                return true;
            }
            for (int k = 1; k <= 20; ++k)
                sheet->choose(k, keyBytes(test, k).toInt());
            w->findChild<QPushButton *>("Button23")->click();
            w->findChild<QPushButton *>("Button22")->click();
            w->findChild<QPushButton *>("Button1")->click();
            return false;
        });
        p.menu()->content();
        p.menu()->findChild<QPushButton *>(QStringLiteral("Button%1").arg(test + 1))->click();

        const QString sheetName = QStringLiteral("TForm%1").arg(testInfo(test).form);
        QCOMPARE(seen, (QStringList{sheetName, QStringLiteral("TForm%1").arg(testInfo(test).questions[0].form), sheetName}));
        QCOMPARE(p.sheet(test)->model.errors, 0);
        QCOMPARE(p.sheet(test)->model.header, QStringLiteral("Час 0 сек."));
        if (test == 10) {
            // The key list holds the twenty keys of the key files, in order.
            QByteArray keys;
            for (int k = 1; k <= 20; ++k)
                keys += keyBytes(10, k) + "\r\n";
            QCOMPARE(readFile(kKeyList), keys);
        }
        const QString log = fromCp1251(readFile(testInfo(test).logFile()));
        QCOMPARE(log, QStringLiteral("  \r\nРозпочато ") + dateText(started.date())
                          + QStringLiteral(" o 9:05:07  ВЗТ %1 Загальний час 0 сек. Помилок 0\r\n")
                                .arg(test, 2, 10, QLatin1Char('0')));
    }
};

QTEST_MAIN(TestProgram)
#include "test_program.moc"
