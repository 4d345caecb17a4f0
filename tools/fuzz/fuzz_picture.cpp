// A picture file loaded into a picture box: "SpS\*.bmp" read (or the
// "Cannot open file" error) and, on a high-DPI screen, its 2x twin read and
// fitted to the box, as a question window shows it.
#include "env.h"
#include "fuzz_common.h"
#include "look.h"

#include <QGuiApplication>
#include <QPixmap>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    fuzz::enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    // the box the template gives, whether it scales, and the screen
    const QSize box(1 + data[0] % 200, 1 + data[1] % 120);
    const bool proportional = data[2] & 1;
    const bool highDpi = data[2] & 2;
    const QString name = QStringLiteral("SpS\\F.bmp");
    fuzz::writeBytes(QStringLiteral("SpS/F.bmp"), data + 3, size - 3);
    QFile::remove(QStringLiteral("SpS/F@2x.png"));
    if (data[2] & 4) // the same bytes as the twin
        fuzz::writeBytes(QStringLiteral("SpS/F@2x.png"), data + 3, size - 3);
    fuzz::readsOrReports([&] {
        const QImage picture = vzt::readPicture(name);
        if (picture.isNull())
            fuzz::fail("a null picture read without an error");
        if (picture.width() > 4096 || picture.height() > 4096)
            return; // the toolkit's own allocation limit decides larger ones
        const QPixmap shown = vzt::boxPixmap(picture, name, box, proportional, highDpi ? 2 : 1);
        const QSizeF logical = shown.deviceIndependentSize();
        if (logical.width() > box.width() || logical.height() > box.height())
            fuzz::fail("a picture drawn past its box");
    }, {QStringLiteral("Cannot open file")});
    return 0;
}
