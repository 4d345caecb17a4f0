// Test 8's own layout, rendered with the program's fonts and the generated
// pictures: no picture covers question text, a letter, an option or "X";
// the formulas of questions 7, 12 and 14 stand inside the runs of blanks left
// for them and those of the other questions right after their line, on it.
// (That every keyed option is right is the bank check's task.)
#include "env.h"
#include "fixture.h"
#include "look.h"
#include "question.h"
#include "questionwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace vzt;

namespace {

const QList<int> kForms{152, 153, 154, 155, 156, 157, 158, 159, 160, 161,
                        162, 163, 164, 165, 166, 168, 169, 170, 171, 172};

// A window of Test 8 as the learner sees it, with its pictures read from the
// generated working folder.
struct Shown {
    QDialog window;
    QWidget *content = new QWidget(&window);
    int files = 0; // picture files the page names

    Shown(int form, quint32 seed, const QString &run)
    {
        MemoryEnv env(run);
        Page page = generatePage(form, seed, env);
        for (ImageItem &img : page.images)
            if (!img.file.isEmpty()) {
                img.picture = QImage(run + "/SpS/" + img.file.section('\\', -1));
                ++files;
            }
        renderPage(page, content, &window);
    }

    // The labels with text, and the boxes with a picture.
    QList<QLabel *> texts() const { return where([](QLabel *l) { return !l->text().isEmpty(); }); }
    QList<QLabel *> pictures() const
    {
        return where([](QLabel *l) { return !l->pixmap().isNull(); });
    }
    template <typename Keep> QList<QLabel *> where(Keep keep) const
    {
        QList<QLabel *> out;
        for (QLabel *l : content->findChildren<QLabel *>())
            if (keep(l))
                out << l;
        return out;
    }
    QLabel *label(const QString &name) const { return content->findChild<QLabel *>(name); }
};

// Where a label's text has advanced to after its first n characters.
int advanceTo(const QLabel *l, qsizetype n)
{
    return l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text().left(n));
}

// The pieces of a label's text between runs of two or more blanks (the runs
// are room left for pictures), each as the rectangle its letters take.
QList<QRect> inked(const QLabel *l)
{
    QList<QRect> out;
    static const QRegularExpression piece(QStringLiteral("\\S+(?: \\S+)*"));
    for (auto it = piece.globalMatch(l->text()); it.hasNext();) {
        const auto m = it.next();
        const int from = advanceTo(l, m.capturedStart());
        out << QRect(from, l->y(), advanceTo(l, m.capturedEnd()) - from, l->height());
    }
    return out;
}

// The part of a picture that differs from the window's grey: formulas are
// drawn on that grey, graphs on white paper (which counts as ink).
QRect ink(const QLabel *box)
{
    const QImage img = box->pixmap().toImage();
    const QRgb grey = qRgb(0xef, 0xef, 0xef);
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xffffff) != (grey & 0xffffff))
                r |= QRect(x, y, 1, 1);
    return r.translated(box->pos());
}

QString place(const QLabel *l, const QRect &r)
{
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(l->objectName()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TestTest8 : public QObject {
    Q_OBJECT

    QString run;

private slots:
    void initTestCase()
    {
        setUpLook(*static_cast<QApplication *>(QCoreApplication::instance()));
        run = qEnvironmentVariable("VZT_RUN");
    }

    void nothingCoversTextOrX_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<quint32>("seed");
        for (int form : kForms)
            for (quint32 seed : {1u, 77u})
                QTest::newRow(qPrintable(QStringLiteral("TForm%1 seed %2").arg(form).arg(seed)))
                    << form << seed;
    }

    void nothingCoversTextOrX()
    {
        QFETCH(int, form);
        QFETCH(quint32, seed);
        if (run.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        Shown w(form, seed, run);
        const QRect x = w.content->findChild<QPushButton *>("Button1")->geometry();
        const auto pictures = w.pictures();
        QCOMPARE(pictures.size(), w.files); // every named picture was read
        for (const QLabel *p : pictures) {
            const QRect drawn(p->pos(), p->pixmap().size());
            const QRect painted = ink(p);
            QVERIFY2(!painted.isEmpty(), qPrintable(p->objectName() + " shows nothing"));
            QVERIFY2(!drawn.intersects(x), qPrintable(place(p, drawn) + " under \"X\""));
            for (const QLabel *t : w.texts())
                for (const QRect &letters : inked(t))
                    QVERIFY2(!painted.intersects(letters),
                             qPrintable(place(p, painted) + " covers " + place(t, letters)));
            for (const QLabel *other : pictures)
                if (other != p)
                    QVERIFY2(!drawn.intersects(QRect(other->pos(), other->pixmap().size())),
                             qPrintable(place(p, drawn) + " overlaps " + other->objectName()));
        }
        for (const QLabel *t : w.texts())
            for (const QRect &letters : inked(t))
                QVERIFY2(!letters.intersects(x), qPrintable("\"X\" covers " + place(t, letters)));
    }

    // A formula stands on its line: inside the run of blanks left for it, or
    // right after the text (the run is then everything after the last letter).
    void formulasStandOnTheirLines_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("inBlanks");
        QTest::newRow("question 1") << 152 << "Label1" << "Image1" << false;
        QTest::newRow("question 2") << 153 << "Label1" << "Image1" << false;
        QTest::newRow("question 4") << 155 << "Label1" << "Image1" << false;
        QTest::newRow("question 6") << 157 << "Label1" << "Image1" << false;
        QTest::newRow("question 7, the sign") << 158 << "Label8" << "Image1" << true;
        QTest::newRow("question 8") << 159 << "Label1" << "Image1" << false;
        QTest::newRow("question 9") << 160 << "Label1" << "Image1" << false;
        QTest::newRow("question 12") << 163 << "Label14" << "Image1" << true;
        QTest::newRow("question 14") << 165 << "Label14" << "Image1" << true;
        QTest::newRow("question 17") << 169 << "Label1" << "Image1" << false;
        QTest::newRow("question 20") << 172 << "Label1" << "Image1" << false;
    }

    void formulasStandOnTheirLines()
    {
        QFETCH(int, form);
        QFETCH(QString, line);
        QFETCH(QString, box);
        QFETCH(bool, inBlanks);
        if (run.isEmpty())
            QSKIP("VZT_RUN names no folder with the generated pictures");
        Shown w(form, 1, run);
        const QLabel *l = w.label(line);
        const QLabel *p = w.label(box);
        QVERIFY(l && p && !p->pixmap().isNull());

        int from = advanceTo(l, l->text().trimmed().size()), to = INT_MAX;
        if (inBlanks) {
            static const QRegularExpression blanks(QStringLiteral(" {6,}"));
            const auto m = blanks.match(l->text());
            QVERIFY(m.hasMatch());
            from = advanceTo(l, m.capturedStart());
            to = advanceTo(l, m.capturedEnd());
        }
        const QRect painted = ink(p);
        QVERIFY2(painted.left() > from && painted.right() < to,
                 qPrintable(QStringLiteral("ink %1..%2, room %3..%4")
                                .arg(painted.left()).arg(painted.right()).arg(from).arg(to)));
        // On the line: the picture's middle within the line's letters.
        const int middle = painted.center().y();
        QVERIFY2(middle > l->y() && middle < l->y() + l->height(),
                 qPrintable(QStringLiteral("ink rows %1..%2, line %3..%4")
                                .arg(painted.top()).arg(painted.bottom()).arg(l->y())
                                .arg(l->y() + l->height())));
    }
};

QTEST_MAIN(TestTest8)
#include "test_test8.moc"
