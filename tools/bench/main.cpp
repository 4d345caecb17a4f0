// Start-up benchmark. `vzt-bench` runs the trainer's start-up in the current
// working folder, shows the main menu, exits as soon as it is on screen, and
// prints the time to open each window; `vzt-bench --bare` is a bare Qt program
// showing one empty maximized window, the baseline. `vzt-bench --results DIR
// [N]` opens the results window on a journal of N (1,000) attempts of Test 1,
// made in DIR on the first run, and prints the time it took. DIR must not be
// a working folder: the made attempts are appended to its logs.
#include "look.h"
#include "files.h"
#include "journal.h"
#include "resultswindow.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace vzt;

namespace {

// A journal of `count` attempts of Test 1, each with the pages of a real
// deal, and the log entries their gradings would have appended.
void makeJournal(const QString &dir, int count)
{
    MemoryEnv env(QDir::currentPath());
    std::array<QJsonObject, 20> pages;
    for (int k = 1; k <= 20; ++k)
        pages[k - 1] = describePage(generatePage(testInfo(1).questions[k - 1].form, 7, env));
    QDir::setCurrent(dir);
    QByteArray log;
    for (int i = 0; i < count; ++i) {
        AttemptRecord a;
        a.test = 1;
        a.started = QDateTime(QDate(2025, 9, 1).addDays(i / 4), QTime(9 + 2 * (i % 4), 7, 30));
        a.seconds = 900 + (i * 37) % 900 - 600 * i / count;
        a.ended = a.started.addSecs(a.seconds);
        for (int k = 0; k < 20; ++k) {
            a.answers[k].correct = 1 + (i + k) % 5;
            // fewer misses as the attempts go on, question 5 the hardest
            const bool miss = (i * 7 + k * 3) % 11 < 4 - 3 * i / count || (k == 4 && i % 3 != 0);
            a.answers[k].chosen = miss ? 1 + (i + k + 1) % 5 : a.answers[k].correct;
            a.answers[k].page = pages[k];
            a.errors += a.answers[k].chosen != a.answers[k].correct;
        }
        a.logLine = QStringLiteral("Розпочато %1 o %2  ВЗТ 01 Загальний час %3 сек. Помилок %4")
                        .arg(dateText(a.started.date()), timeText(a.started.time()))
                        .arg(a.seconds).arg(a.errors);
        addAttempt(a);
        log += toCp1251(QStringLiteral("  \r\n") + a.logLine + QStringLiteral("\r\n"));
    }
    for (const TestInfo &t : tests())
        if (!QFile::exists(t.logFile()))
            writeFile(t.logFile(), QByteArray());
    appendToExisting(testInfo(1).logFile(), log);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool bare = argc > 1 && QByteArray(argv[1]) == "--bare";
    const bool windows = argc > 1 && QByteArray(argv[1]) == "--windows";
    const bool exiting = argc > 1 && QByteArray(argv[1]) == "--exit";
    if (bare) {
        QWidget w;
        w.showMaximized();
        QTimer::singleShot(0, &app, &QApplication::quit);
        return app.exec();
    }
    setUpLook(app);
    if (argc > 2 && QByteArray(argv[1]) == "--results") {
        const QString dir = QString::fromLocal8Bit(argv[2]);
        if (QFile::exists(dir + "/SpS")) {
            std::fprintf(stderr, "%s is a working folder\n", argv[2]);
            return 2;
        }
        if (!QFile::exists(dir + "/" + kJournalFile))
            makeJournal(dir, argc > 3 ? QByteArray(argv[3]).toInt() : 1000);
        QDir::setCurrent(dir);
        QElapsedTimer t;
        t.start();
        ResultsWindow w;
        w.reload();
        w.showMaximized();
        QApplication::processEvents();
        std::printf("%.1f\n", t.nsecsElapsed() / 1e6);
        return 0;
    }
    QStringList errors;
    auto collect = [&errors](const QString &e) { errors << e; };
    Program program;
    program.startUp(collect);
    program.show();
    if (!errors.isEmpty())
        std::fprintf(stderr, "%lld start-up errors, first: %s\n", qlonglong(errors.size()),
                     qPrintable(errors.first()));
    if (windows) {
        // A learner looks at the menu before clicking: let the idle work run.
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        // Time to build (where not built yet) and show each window.
        std::vector<double> ms;
        QString slowest;
        double worst = 0;
        for (Window *w : program.windows()) {
            if (w == program.menu())
                continue;
            QElapsedTimer t;
            t.start();
            w->content();
            w->showMaximized();
            QApplication::processEvents();
            const double took = t.nsecsElapsed() / 1e6;
            w->hide();
            ms.push_back(took);
            if (took > 20)
                std::printf("  %s %.1f ms\n", qPrintable(w->className()), took);
            if (took > worst) {
                worst = took;
                slowest = w->className();
            }
        }
        std::sort(ms.begin(), ms.end());
        std::printf("open window: median %.1f ms, max %.1f ms (%s), %zu windows\n",
                    ms[ms.size() / 2], worst, qPrintable(slowest), ms.size());
        return 0;
    }
    if (exiting) {
        // After the idle work, the learner closes the main menu; the time
        // from here to the end of the process is measured from outside
        // (the CLOCK_MONOTONIC instant is printed).
        QTimer::singleShot(1000, program.menu(), [&program] {
            // every window opened once, as after a session with all tests
            for (Window *w : program.windows())
                if (w != program.menu()) {
                    w->content();
                    w->show();
                    QApplication::processEvents();
                    w->hide();
                }
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("closing %lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            program.menu()->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        });
        return app.exec();
    }
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
