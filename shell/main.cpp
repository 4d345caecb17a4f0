// VZT Trainer: ten practice tests of the school-leaving mathematics exam.
// Reads and writes in the folder it is started in ("SpS", "Ida", key files,
// result logs).
#include "look.h"
#include "startup.h"

#include <QApplication>
#include <QLockFile>
#include <QMessageBox>

int main(int argc, char **argv)
{
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
    return app.exec();
}
