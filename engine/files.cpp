#include "files.h"

#include "errors.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <unistd.h>

namespace vzt {

QString localPath(const QString &name)
{
    QString p = name;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QByteArray readFile(const QString &name)
{
    QFile f(localPath(name));
    if (!f.open(QIODevice::ReadOnly))
        throw Error(f.exists() ? QStringLiteral("File access denied") : kFileNotFound, name);
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Read error"), name);
    return bytes;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(localPath(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Error(f.exists() || f.error() == QFileDevice::PermissionsError
                        ? QStringLiteral("File access denied")
                        : kFileNotFound,
                    name);
    if (f.write(bytes) != bytes.size() || !f.flush())
        throw Error(QStringLiteral("Disk write error"), name);
}

void appendToExisting(const QString &name, const QByteArray &bytes)
{
    QFile f(localPath(name));
    if (!f.exists())
        throw Error(kFileNotFound, name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        throw Error(QStringLiteral("File access denied"), name);
    // The whole entry goes out in one write and reaches the disk before it
    // counts as written. A write that fails part-way (a full disk, a size
    // limit, an I/O error) is cut back to the file's earlier length, so the
    // file keeps every earlier byte and never holds half an entry.
    const qint64 before = f.size();
    if (f.write(bytes) != bytes.size() || ::fsync(f.handle()) != 0) {
        f.resize(before);
        throw Error(QStringLiteral("Disk write error"), name);
    }
}

QByteArray toCp1251(const QString &text)
{
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

QString fromCp1251(const QByteArray &bytes)
{
    QStringDecoder dec("windows-1251");
    return dec.decode(bytes);
}

} // namespace vzt
