#include "workfolder.h"

#include "errors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace vzt {

QString programVersion() { return QStringLiteral(VZT_VERSION); }

QString chosenWorkFolder(const QString &option)
{
    QString folder = option;
    if (folder.isEmpty())
        folder = qEnvironmentVariable("VZT_FOLDER");
    if (folder.isEmpty()) {
        // As desktop programs do, a relative XDG_DATA_HOME counts as unset.
        QString base = qEnvironmentVariable("XDG_DATA_HOME");
        if (base.isEmpty() || QDir::isRelativePath(base))
            base = QDir::homePath() + QStringLiteral("/.local/share");
        folder = base + QStringLiteral("/vzt-trainer");
    }
    return QDir::cleanPath(QDir(folder).absolutePath());
}

namespace {

const QStringList kContent{QStringLiteral("SpS"), QStringLiteral("Ida")};

Error folderError(const QString &folder, const QString &reason)
{
    return Error(QStringLiteral("Не вдається підготувати робочу теку тренажера:\n%1\n\n%2\n\n"
                                "Укажіть іншу теку: vzt-trainer --folder ТЕКА")
                     .arg(QDir::toNativeSeparators(folder), reason),
                 folder);
}

bool writableFolder(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

// Why nothing can be written in `folder` (or made there), or empty.
QString unwritable(const QString &folder)
{
    const QFileInfo fi(folder);
    if (fi.exists()) {
        if (!fi.isDir())
            return QStringLiteral("За цією назвою лежить файл, а не тека.");
        if (!writableFolder(folder))
            return QStringLiteral("Немає дозволу записувати в цю теку.");
        for (const QString &sub : kContent) {
            const QFileInfo si(folder + QLatin1Char('/') + sub);
            if (si.exists() && (!si.isDir() || !writableFolder(si.filePath())))
                return QStringLiteral("Немає дозволу записувати в її теку %1.").arg(sub);
        }
        return QString();
    }
    // The nearest folder that exists must let the missing ones be made.
    QString up = folder;
    for (;;) {
        const QString parent = QFileInfo(up).path();
        if (parent == up)
            return QStringLiteral("Теку неможливо створити.");
        up = parent;
        const QFileInfo pi(up);
        if (!pi.exists())
            continue;
        if (!pi.isDir())
            return QStringLiteral("Теку неможливо створити: %1 — файл, а не тека.")
                .arg(QDir::toNativeSeparators(up));
        if (!writableFolder(up))
            return QStringLiteral("Теку неможливо створити: немає дозволу записувати в %1.")
                .arg(QDir::toNativeSeparators(up));
        return QString();
    }
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Не вдається прочитати файл"), path);
    return f.readAll();
}

// Copies `from` over `to` unless `to` holds the same bytes; the copy takes
// `from`'s modification time, so that the next start sees at once that it
// is current. Returns whether it copied.
bool bringUpToDate(const QFileInfo &from, const QString &to)
{
    const QFileInfo ti(to);
    if (ti.exists() && ti.size() == from.size() && ti.lastModified() == from.lastModified())
        return false;
    const QByteArray bytes = contents(from.filePath());
    const bool same = ti.exists() && ti.size() == from.size() && contents(to) == bytes;
    if (!same) {
        // written beside and renamed over the old one: a start cut short
        // leaves the old version or the new one, never half of one
        const QString part = to + QStringLiteral(".part");
        QFile out(part);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()
            || !out.flush())
            throw Error(QStringLiteral("Не вдається записати файл"), to);
        out.close();
        if (::rename(QFile::encodeName(part).constData(), QFile::encodeName(to).constData()) != 0) {
            QFile::remove(part);
            throw Error(QStringLiteral("Не вдається записати файл"), to);
        }
    }
    QFile stamp(to);
    if (stamp.open(QIODevice::ReadOnly))
        stamp.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
    return !same;
}

} // namespace

Preparation prepareWorkFolder(const QString &data, const QString &folder)
{
    for (const QString &sub : kContent)
        if (!QFileInfo(data + QLatin1Char('/') + sub).isDir())
            throw Error(QStringLiteral("Встановлені малюнки й таблиці тренажера не знайдено.\n"
                                       "Перевстановіть програму."),
                        data + QLatin1Char('/') + sub);

    if (const QString reason = unwritable(folder); !reason.isEmpty())
        throw folderError(folder, reason);

    Preparation done;
    for (const QString &sub : kContent) {
        const QString target = folder + QLatin1Char('/') + sub;
        if (!QDir().mkpath(target))
            throw folderError(folder, QStringLiteral("Теку %1 неможливо створити.").arg(sub));
        const QDir source(data + QLatin1Char('/') + sub);
        for (const QFileInfo &fi : source.entryInfoList(QDir::Files, QDir::Name))
            done.copied += bringUpToDate(fi, target + QLatin1Char('/') + fi.fileName()) ? 1 : 0;
    }
    // A log is only ever created where there is none: it holds results.
    for (int t = 1; t <= 10; ++t) {
        QFile log(folder + QStringLiteral("/stat%1.txt").arg(t, 2, 10, QLatin1Char('0')));
        if (log.exists())
            continue;
        if (!log.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            throw Error(QStringLiteral("Не вдається створити журнал результатів"), log.fileName());
        ++done.logsMade;
    }
    return done;
}

} // namespace vzt
