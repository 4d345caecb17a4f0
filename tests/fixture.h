#pragma once
// A temporary working folder for tests, holding the generated pictures and
// tables of the build's working folder (VZT_RUN) and empty result logs.
#include "files.h"
#include "page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

struct WorkFolder {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();

    explicit WorkFolder(bool withContent = true, bool withLogs = true)
    {
        const QString run = qEnvironmentVariable("VZT_RUN");
        if (withContent && !run.isEmpty()) {
            QFile::link(run + "/SpS", dir.filePath("SpS"));
            QFile::link(run + "/Ida", dir.filePath("Ida"));
        }
        QDir::setCurrent(dir.path());
        if (withLogs)
            for (int t = 1; t <= 10; ++t)
                vzt::writeFile(QStringLiteral("stat%1.txt").arg(t, 2, 10, QLatin1Char('0')), {});
    }
    ~WorkFolder() { QDir::setCurrent(previous); }
};

// A label the page must have.
inline const vzt::LabelItem &labelOf(const vzt::Page &p, const QString &name)
{
    const vzt::LabelItem *l = p.findLabel(name);
    if (!l)
        qFatal("no label %s", qPrintable(name));
    return *l;
}
