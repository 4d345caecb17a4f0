// Pictures on a high-DPI screen (run with QT_SCALE_FACTOR=2): a picture box
// draws the picture's 2x twin, at the logical size and place of the 1x
// picture, and falls back to the 1x picture where the twin is missing or
// does not fit; at ratio 1 no twin is read.
#include "env.h"
#include "files.h"
#include "fixture.h"
#include "look.h"
#include "questionwindow.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

using namespace vzt;

namespace {
// A question window built at the screen's ratio, as the learner opens it.
QImage grabBox(QuestionWindow &w, const QString &box)
{
    w.content();
    auto *l = w.content()->findChild<QLabel *>(box);
    return l ? l->grab().toImage() : QImage();
}
} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpLook(*qApp); }

    void boxDrawsTheTwinOrFallsBack()
    {
        const QString run = qEnvironmentVariable("VZT_RUN");
        if (run.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("SpS");
        const QString file = QStringLiteral("SpS\\O151.bmp"); // 2/7, a fraction with a thin bar
        for (const QString &n : {QStringLiteral("O151.bmp"), QStringLiteral("O151@2x.png")})
            QVERIFY(QFile::copy(run + "/SpS/" + n, dir.filePath("SpS/" + n)));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QImage one = readPicture(file);
        const QImage twin(twinPath(file));
        QCOMPARE(twin.size(), 2 * one.size());

        // Ratio 2 with the twin: the pixmap is the twin itself, at the 1x
        // logical size.
        QPixmap sharp = boxPixmap(one, file, QSize(149, 87), false, 2.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize().toSize(), one.size());
        QCOMPARE(sharp.toImage().convertToFormat(QImage::Format_RGB32),
                 twin.convertToFormat(QImage::Format_RGB32));
        // A proportional box smaller than the picture keeps the 1x logical size too.
        QPixmap scaled = boxPixmap(one, file, one.size() / 2, true, 2.0);
        QCOMPARE(scaled.deviceIndependentSize().toSize(), one.size().scaled(one.size() / 2, Qt::KeepAspectRatio));
        // Ratio 1: no twin is read.
        const int reads = twinReads();
        QCOMPARE(boxPixmap(one, file, QSize(149, 87), false, 1.0).devicePixelRatio(), 1.0);
        QCOMPARE(twinReads(), reads);
        // The twin missing, or of the wrong size: the 1x picture.
        QFile::remove(twinPath(file));
        QPixmap plain = boxPixmap(one, file, QSize(149, 87), false, 2.0);
        QCOMPARE(plain.devicePixelRatio(), 1.0);
        QCOMPARE(plain.toImage().convertToFormat(QImage::Format_RGB32),
                 one.convertToFormat(QImage::Format_RGB32));
        QVERIFY(one.scaled(3, 3).save(twinPath(file)));
        QCOMPARE(boxPixmap(one, file, QSize(149, 87), false, 2.0).devicePixelRatio(), 1.0);
        QDir::setCurrent(previous);
    }

    void aPaletteTooShortReadsAsBlack()
    {
        // A damaged 8-bit BMP of 4x2 pixels whose palette has two colours
        // (white, grey) while its pixels name colour 200: read, scaled and
        // fitted to a box like any picture, the unknown colour is black.
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("SpS");
        QByteArray bmp;
        QDataStream out(&bmp, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData("BM", 2);
        out << quint32(14 + 40 + 8 + 8) << quint32(0) << quint32(14 + 40 + 8);
        out << quint32(40) << qint32(4) << qint32(2) << quint16(1) << quint16(8) << quint32(0)
            << quint32(8) << qint32(3780) << qint32(3780) << quint32(2) << quint32(2);
        out << quint32(0x00ffffff) << quint32(0x00808080);
        for (quint8 px : {200, 1, 0, 200, 200, 200, 200, 200})
            out << px;
        QFile f(dir.filePath("SpS/P.bmp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bmp);
        f.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const QImage p = readPicture(QStringLiteral("SpS\\P.bmp"));
        QDir::setCurrent(previous);
        QCOMPARE(p.size(), QSize(4, 2));
        QCOMPARE(p.format(), QImage::Format_RGB32);
        QCOMPARE(p.pixel(0, 1), qRgb(0, 0, 0));   // colour 200
        QCOMPARE(p.pixel(1, 1), qRgb(128, 128, 128));
        QCOMPARE(p.pixel(2, 1), qRgb(255, 255, 255));
        const QPixmap shown = boxPixmap(p, QString(), QSize(2, 1), true, 1.0);
        QCOMPARE(shown.size(), QSize(2, 1));
    }

    void questionWindowShowsTheFineDetail()
    {
        // Test 3 question 15 shows its options as pictures: at ratio 2 a
        // slot's grab holds every device pixel of the twin, detail that the
        // 1x picture enlarged does not have.
        if (qApp->devicePixelRatio() < 2)
            QSKIP("runs at device pixel ratio 2 (QT_SCALE_FACTOR=2)");
        WorkFolder wf;
        MemoryEnv env(QStringLiteral("."));
        QuestionWindow w(61);
        w.page = generatePage(61, 5, env);
        for (ImageItem &i : w.page.images)
            if (!i.file.isEmpty())
                i.picture = readPicture(i.file);
        const ImageItem &slot = *w.page.findImage("Image2");
        const QImage grab = grabBox(w, "Image2").convertToFormat(QImage::Format_RGB32);
        const QImage twin = QImage(twinPath(slot.file)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(grab.size(), 2 * QSize(slot.width, slot.height));
        QCOMPARE(grab.copy(QRect(QPoint(0, 0), twin.size())), twin);
        const QImage enlarged = slot.picture.scaled(twin.size()).convertToFormat(QImage::Format_RGB32);
        QVERIFY(grab.copy(QRect(QPoint(0, 0), twin.size())) != enlarged);
    }
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
