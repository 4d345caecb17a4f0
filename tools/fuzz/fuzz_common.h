#pragma once
// Shared by the fuzz targets: a scratch working folder, and the rule that a
// reader either reads or raises one of the errors the program reports.
#include "errors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <iostream>

namespace fuzz {

// A folder of its own (with SpS and Ida) made the current one for the whole run.
inline void enterScratchFolder()
{
    static QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("SpS"));
    QDir(dir.path()).mkpath(QStringLiteral("Ida"));
    QDir::setCurrent(dir.path());
}

inline void writeBytes(const QString &name, const uint8_t *data, size_t size)
{
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || f.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::cerr << "scratch folder not writable\n";
        std::abort();
    }
}

// A finding: prints what broke and stops the run (libFuzzer keeps the input).
[[noreturn]] inline void fail(const char *what, const QString &detail = QString())
{
    std::cerr << "finding: " << what << ' ' << detail.toStdString() << '\n';
    std::abort();
}

// Runs fn; an error is fine only when its message starts with one of
// `allowed` (any message of the program's when none is named).
template <class Fn> void readsOrReports(Fn fn, std::initializer_list<QString> allowed)
{
    try {
        fn();
    } catch (const vzt::Error &e) {
        if (e.text().isEmpty())
            fail("an error without a message");
        if (allowed.size() == 0)
            return;
        for (const QString &a : allowed)
            if (e.text().startsWith(a))
                return;
        fail("unexpected error", e.text());
    }
}

} // namespace fuzz
