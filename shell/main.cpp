// VZT Trainer: ten practice tests of the school-leaving mathematics exam.
// Reads and writes in the folder it is started in ("SpS", "Ida", key files,
// result logs).
//
// Installed, it is started by the launcher `vzt-trainer` as
//     vzt-trainer --launch --data DIR [--folder FOLDER] [--from-menu]
// and first prepares the learner's working folder (workfolder.h) from the
// installed data in DIR, then works there. `--version` prints the version.
#include "look.h"
#include "startup.h"
#include "workfolder.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

struct Launch {
    bool launch = false;
    bool fromMenu = false;
    QString data;
    QString folder;
};

// The launcher's arguments; the toolkit's own (-platform ...) pass on to it.
Launch readArguments(int argc, char **argv)
{
    Launch l;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (a == QLatin1String("--launch"))
            l.launch = true;
        else if (a == QLatin1String("--from-menu"))
            l.fromMenu = true;
        else if (a == QLatin1String("--data") && hasValue)
            l.data = QString::fromLocal8Bit(argv[++i]);
        else if (a == QLatin1String("--folder") && hasValue)
            l.folder = QString::fromLocal8Bit(argv[++i]);
    }
    return l;
}

// A message before the program's windows: a message box when the program
// was started from the applications menu (no terminal to read it), else
// standard error.
int failBeforeStart(int argc, char **argv, bool box, const QString &message)
{
    if (box) {
        QApplication app(argc, argv);
        vzt::setUpLook(app);
        vzt::showError(nullptr, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--version") == 0) {
        std::printf("vzt-trainer %s\n", qPrintable(vzt::programVersion()));
        return 0;
    }
    const Launch launch = readArguments(argc, argv);
    if (launch.launch) {
        const QString folder = vzt::chosenWorkFolder(launch.folder);
        try {
            vzt::prepareWorkFolder(launch.data, folder);
        } catch (const vzt::Error &e) {
            return failBeforeStart(argc, argv, launch.fromMenu, e.report());
        }
        QDir::setCurrent(folder);
    }

    QApplication app(argc, argv);
    vzt::setUpLook(app);

    // Started elsewhere than in its working folder: one message, and
    // nothing written into that folder.
    if (const QString problem = vzt::workingFolderProblem(QStringLiteral(".")); !problem.isEmpty()) {
        vzt::showError(nullptr, problem);
        return 1;
    }

    // A second trainer in the same folder would overwrite this one's key files.
    QLockFile lock(QStringLiteral("vzt-trainer.lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        QMessageBox::warning(nullptr, QStringLiteral("VZT"),
                             QStringLiteral("Тренажер уже запущено в цій папці."));
        return 1;
    }

    auto showError = [](const QString &message) {
        vzt::showError(QApplication::activeModalWidget(), message);
    };
    vzt::setErrorSink(showError);

    vzt::Program program;
    program.startUp(showError);
    program.show();

    // For end-to-end tests of the installed program: with VZT_QUIT_AFTER_MS
    // set, the program says when the main menu is on screen and closes it
    // that many milliseconds later, as the learner's "X" does.
    if (const QByteArray ms = qgetenv("VZT_QUIT_AFTER_MS"); !ms.isEmpty()) {
        QTimer::singleShot(0, program.menu(), [] {
            std::printf("main menu shown\n");
            std::fflush(stdout);
        });
        QTimer::singleShot(ms.toInt(), program.menu(), [&program] { program.menu()->close(); });
    }
    return app.exec();
}
