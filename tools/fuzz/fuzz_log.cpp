// A test's result log as the results window reads it: every line kept, in
// order and as written (only its line break taken off), an entry's figures
// read where the line has the entry's form; the file itself never changed.
#include "fuzz_common.h"
#include "files.h"
#include "sheetmodel.h"
#include "tests.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const vzt::TestInfo &info = vzt::testInfo(1 + data[0] % 10);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    fuzz::writeBytes(info.logFile(), data + 1, size - 1);
    const std::vector<vzt::LogLine> lines = vzt::readLog(info);

    QStringList texts;
    for (const vzt::LogLine &l : lines) {
        texts << l.text;
        if (l.kind == vzt::LogLine::Kind::Entry && (l.seconds < 0 || l.errors < 0 || l.errors > 20))
            fuzz::fail("an entry read with impossible figures", l.text);
    }
    QString written = vzt::fromCp1251(bytes);
    written.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (written.endsWith(QLatin1Char('\n')) || written.endsWith(QLatin1Char('\r')))
        written.chop(1); // the last line's break (a lone CR at the very end is one too)
    if (texts.join(QLatin1Char('\n')) != written)
        fuzz::fail("a line of the log lost or changed");
    if (vzt::readFile(info.logFile()) != bytes)
        fuzz::fail("reading changed the log");
    return 0;
}
