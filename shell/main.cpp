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

    // A second trainer in the same folder would overwrite this one's key files.
    QLockFile lock(QStringLiteral("vzt-trainer.lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        QMessageBox::warning(nullptr, QStringLiteral("VZT"),
                             QStringLiteral("Тренажер уже запущено в цій папці."));
        return 1;
    }

    auto showError = [](const QString &message) {
        QMessageBox::critical(QApplication::activeModalWidget(), QStringLiteral("Помилка"), message);
    };
    vzt::setErrorSink(showError);

    vzt::Program program;
    program.startUp(showError);
    program.show();
    return app.exec();
}
