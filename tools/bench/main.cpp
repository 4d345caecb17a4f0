// Start-up benchmark. `vzt-bench` runs the trainer's start-up in the current
// working folder, shows the main menu, exits as soon as it is on screen, and
// prints the time to open each window; `vzt-bench --bare` is a bare Qt program
// showing one empty maximized window, the baseline.
#include "look.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace vzt;

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
