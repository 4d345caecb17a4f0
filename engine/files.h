#pragma once
// Sequential text files in the working folder and its subfolders "SpS" and
// "Ida". Names may use "\" or "/" as the separator; both name the same file.
// Every failure raises vzt::Error with the message the user sees.
#include <QByteArray>
#include <QString>

namespace vzt {

QString localPath(const QString &name);           // "SpS\x.bmp" -> "SpS/x.bmp"
QByteArray readFile(const QString &name);         // "File not found"
void writeFile(const QString &name, const QByteArray &bytes); // create or truncate
void appendToExisting(const QString &name, const QByteArray &bytes); // "File not found"; all or nothing
QByteArray toCp1251(const QString &text);         // the program's 8-bit text
QString fromCp1251(const QByteArray &bytes);

} // namespace vzt
