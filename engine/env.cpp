#include "env.h"

#include "datatable.h"
#include "errors.h"
#include "files.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <stdexcept>

namespace vzt {

QByteArray FileEnv::table(const QString &name) { return readFile(name); }

namespace {
// A picture as a plain 32-bit image. An indexed file (a BMP or PNG with a
// palette) may name colours past the end of its palette, and the toolkit's
// scaling reads such a palette without bounds; the missing entries are made
// black first, and the conversion then never looks at the palette again.
QImage plainImage(QImage img)
{
    if (img.format() == QImage::Format_Indexed8 || img.format() == QImage::Format_Mono ||
        img.format() == QImage::Format_MonoLSB) {
        QList<QRgb> table = img.colorTable();
        const qsizetype n = img.format() == QImage::Format_Indexed8 ? 256 : 2;
        if (table.size() < n) {
            table.resize(n, qRgb(0, 0, 0));
            img.setColorTable(table);
        }
    }
    return img.convertToFormat(QImage::Format_RGB32);
}
} // namespace

QImage readPicture(const QString &name)
{
    const QString path = localPath(name);
    QImageReader reader(path, "bmp");
    QImage img = reader.read();
    if (img.isNull()) {
        const QString reason = QFileInfo::exists(path) ? reader.errorString()
                                                       : QStringLiteral("No such file or directory");
        throw Error(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason));
    }
    return plainImage(img);
}

QString twinPath(const QString &name)
{
    QString path = localPath(name);
    if (path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        path.chop(4);
    return path + QStringLiteral("@2x.png");
}

namespace {
int &twinCount()
{
    static int n = 0;
    return n;
}
} // namespace

int twinReads() { return twinCount(); }

QImage readTwin(const QString &name, QSize size)
{
    ++twinCount();
    QImageReader reader(twinPath(name), "png");
    QImage img = reader.read();
    if (img.isNull() || img.size() != 2 * size)
        return QImage();
    return plainImage(img);
}

QImage FileEnv::picture(const QString &name)
{
    const QString path = localPath(name);
    auto it = pictures_.find(path);
    if (it != pictures_.end())
        return *it;
    QImage img = readPicture(name);
    pictures_.insert(path, img);
    return img;
}

QString keyFileName(int test, int question)
{
    return QStringLiteral("stat_%1_%2.txt").arg(test).arg(question);
}

void writeKeyFile(int test, int question, int key)
{
    writeFile(keyFileName(test, question), QByteArray::number(key));
}

void updateKeyList(int question, int key)
{
    const QByteArray old = readFile(kKeyList);
    QList<QByteArray> entries;
    // Twenty lines, at most the first character of each; missing lines are empty.
    int pos = 0;
    for (int i = 0; i < 20; ++i) {
        QByteArray entry;
        if (pos < old.size()) {
            int end = pos;
            while (end < old.size() && old[end] != '\n' && old[end] != '\r')
                ++end;
            entry = old.mid(pos, std::min(1, end - pos));
            pos = end;
            if (pos < old.size() && old[pos] == '\r')
                ++pos;
            if (pos < old.size() && old[pos] == '\n')
                ++pos;
        }
        entries.append(entry);
    }
    entries[question - 1] = QByteArray::number(key);
    QByteArray out;
    for (const auto &e : entries)
        out += e + "\r\n";
    writeFile(kKeyList, out);
}

void FileEnv::writeKey(int test, int question, int key)
{
    writeKeyFile(test, question, key);
    if (test == 10)
        updateKeyList(question, key);
}

QByteArray MemoryEnv::table(const QString &name)
{
    auto it = tables_.find(name);
    if (it != tables_.end())
        return *it;
    const QString path = folder_.isEmpty() ? name : folder_ + "/" + localPath(name);
    QByteArray text = readFile(path);
    tables_.insert(name, text);
    return text;
}

std::vector<long long> MemoryEnv::row(const QString &name, int r, int k)
{
    const QByteArray text = table(name);
    auto it = lines_.find(name);
    if (it == lines_.end())
        it = lines_.insert(name, lineStarts(text));
    const qsizetype offset = r - 1 < qsizetype(it->size()) ? (*it)[r - 1] : text.size();
    return readIntegers(text, offset, k);
}

QImage MemoryEnv::picture(const QString &name)
{
    picturesNamed.insert(name);
    const QString path = folder_.isEmpty() ? localPath(name) : folder_ + "/" + localPath(name);
    if (readPictures) {
        auto read = pictures_.find(name);
        if (read == pictures_.end())
            read = pictures_.insert(name, readPicture(path));
        return *read;
    }
    auto it = exists_.find(name);
    if (it == exists_.end())
        it = exists_.insert(name, QFileInfo::exists(path));
    if (!*it)
        missingPictures.insert(name);
    return QImage();
}

Page generatePage(int form, std::uint32_t seed, MemoryEnv &env)
{
    const TemplateInfo *info = findTemplate(form);
    if (!info)
        throw std::logic_error("no question template for this window");
    Page p = commonPage(form, QString::fromLatin1(info->unit), info->test, info->question);
    env.generator.seed = seed;
    runTemplate(p, info, env);
    return p;
}

} // namespace vzt
