// Answer sheets: confirmation, grading, timing and the result log.
#include "answersheet.h"
#include "env.h"
#include "errors.h"
#include "files.h"
#include "fixture.h"
#include "sheetmodel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

#include <csignal>
#include <sys/resource.h>

using namespace vzt;

namespace {
// A clock that returns the given times in turn (the last one repeats).
Clock clockAt(QList<QDateTime> times)
{
    auto shared = std::make_shared<QList<QDateTime>>(std::move(times));
    return [shared] { return shared->size() > 1 ? shared->takeFirst() : shared->first(); };
}
QDateTime at(const QString &hms) { return QDateTime(QDate(2019, 3, 12), QTime::fromString(hms, "H:mm:ss")); }

void writeKeys(int test, const QList<int> &keys)
{
    for (int q = 1; q <= 20; ++q)
        writeFile(keyFileName(test, q), QByteArray::number(keys.value(q - 1)));
}
} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private slots:
    void secondOfDay_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("second");
        QTest::newRow("one-digit hour") << "9:05:07" << 9 * 3600 + 5 * 60 + 7;
        QTest::newRow("two-digit hour") << "21:05:07" << 21 * 3600 + 5 * 60 + 7;
        QTest::newRow("midnight") << "0:00:00" << 0;
    }
    void secondOfDay()
    {
        QFETCH(QString, text);
        QFETCH(int, second);
        QCOMPARE(vzt::secondOfDay(text), second);
        // The texts the sheet renders are the 24-hour form the parse expects.
        QCOMPARE(vzt::secondOfDay(timeText(QTime(0, 0).addSecs(second))), second);
    }

    void confirmNeedsEveryAnswer()
    {
        WorkFolder wf(false);
        SheetModel m(testInfo(3), clockAt({at("9:05:07")}));
        m.create();
        QVERIFY(!m.controlVisible && m.prepareVisible);
        for (int k = 0; k < 19; ++k) {
            m.choice[k] = 1 + k % 5;
            m.confirm();
            QVERIFY(!m.controlVisible);
        }
        m.choice[19] = 5;
        m.confirm();
        QVERIFY(m.controlVisible && !m.prepareVisible);
    }

    void grading_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("elapsed");
        QTest::newRow("all right") << "9:05:07" << "9:10:52" << 0 << 345;
        QTest::newRow("three wrong") << "9:05:07" << "9:06:37" << 3 << 90;
        QTest::newRow("same second") << "21:05:07" << "21:05:07" << 1 << 0;
        QTest::newRow("over midnight") << "23:59:50" << "0:00:20" << 20 << 30;
    }
    void grading()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, wrong);
        QFETCH(int, elapsed);
        WorkFolder wf(false);
        writeFile("stat02.txt", "earlier\r\n");
        SheetModel m(testInfo(2), clockAt({at(start), at(start), at(end)}));
        m.create();
        QList<int> keys;
        for (int q = 0; q < 20; ++q)
            keys << 1 + (q * 3) % 5;
        writeKeys(2, keys);
        for (int k = 0; k < 20; ++k)
            m.choice[k] = k < wrong ? keys[k] % 5 + 1 : keys[k];
        m.confirm();
        m.grade();
        for (int k = 0; k < 20; ++k) {
            QCOMPARE(m.colour[k], k < wrong ? SheetModel::Colour::Red : SheetModel::Colour::Lime);
            QCOMPARE(m.rightLetter[k].isEmpty(), k >= wrong);
        }
        QCOMPARE(m.rightLetter[0].isEmpty() ? QString() : m.rightLetter[0],
                 wrong ? QStringLiteral("АБВГД").mid(keys[0] - 1, 1) : QString());
        QCOMPARE(m.errors, wrong);
        QCOMPARE(m.header, QStringLiteral("Час %1 сек.").arg(elapsed));
        QVERIFY(!m.controlVisible);
        const QString line = QStringLiteral("Розпочато ") + dateText(QDate(2019, 3, 12)) + " o " + start
            + QStringLiteral("  ВЗТ 02 Загальний час %1 сек. Помилок %2").arg(elapsed).arg(wrong);
        QCOMPARE(readFile("stat02.txt"), QByteArray("earlier\r\n  \r\n") + toCp1251(line) + "\r\n");
        QCOMPARE(readFile("stat01.txt"), QByteArray());
    }

    void missingKeyStopsGradingThere()
    {
        WorkFolder wf(false);
        SheetModel m(testInfo(4));
        m.create();
        writeKeys(4, QList<int>(20, 2));
        QFile::remove(keyFileName(4, 6));
        m.choice.fill(1);
        m.confirm();
        QStringList reports;
        reportErrors([&](const QString &e) { reports << e; }, [&] { m.grade(); });
        // The specified message first, the file on a second line.
        QCOMPARE(reports, QStringList{kFileNotFound + "\n" + keyFileName(4, 6)});
        QCOMPARE(m.errors, 5);
        QCOMPARE(m.colour[4], SheetModel::Colour::Red);
        QCOMPARE(m.colour[5], SheetModel::Colour::None);
        QVERIFY(m.controlVisible);
        QCOMPARE(readFile("stat04.txt"), QByteArray());
    }

    void missingLogIsReportedAndNothingIsWritten()
    {
        WorkFolder wf(false, false);
        SheetModel m(testInfo(5));
        m.create();
        writeKeys(5, QList<int>(20, 3));
        m.choice.fill(3);
        m.choice[0] = 1;
        m.confirm();
        m.questionOpened(7);
        QStringList reports;
        reportErrors([&](const QString &e) { reports << e; }, [&] { m.grade(); });
        QCOMPARE(reports, QStringList{kFileNotFound + "\nstat05.txt"});
        QCOMPARE(m.colour[19], SheetModel::Colour::Lime);
        QCOMPARE(m.header, QStringLiteral("Запитання № 7"));
        QVERIFY(m.controlVisible);
        QVERIFY(!QFile::exists("stat05.txt"));
        // Once the log exists, grading again writes one entry with this grading's count.
        writeFile("stat05.txt", {});
        m.grade();
        QVERIFY(fromCp1251(readFile("stat05.txt")).endsWith(QStringLiteral("Помилок 1\r\n")));
    }

    void keyZeroCountsWithoutLetter()
    {
        WorkFolder wf(false);
        SheetModel m(testInfo(1));
        m.create(); // resets the twenty keys of Test 1 to "0"
        QCOMPARE(readFile(keyFileName(1, 20)), QByteArray("0"));
        m.choice.fill(2);
        m.grade();
        QCOMPARE(m.errors, 20);
        QVERIFY(m.rightLetter[0].isEmpty());
    }

    void creationStepsByTest()
    {
        WorkFolder wf(false);
        SheetModel ten(testInfo(10));
        ten.create();
        QCOMPARE(readFile(kKeyList), QByteArray("0\r\n").repeated(20));
        QVERIFY(!ten.controlVisible);
        QCOMPARE(ten.title, QStringLiteral("Тест 10    Рівень 1"));
        QVERIFY(!QFile::exists(keyFileName(1, 1)));
        // A key list that cannot be written stops creation: no title, "Control" left visible.
        QDir().mkdir(kKeyList + ".d");
        QFile::remove(kKeyList);
        QDir().mkdir(kKeyList);
        SheetModel broken(testInfo(10));
        QStringList reports;
        reportErrors([&](const QString &e) { reports << e; }, [&] { broken.create(); });
        QCOMPARE(reports.size(), 1);
        QVERIFY(broken.controlVisible);
        QVERIFY(broken.title.isEmpty());
    }

    void listsCountOnlySelectedItems()
    {
        WorkFolder wf(false);
        AnswerSheet sheet(testInfo(1));
        sheet.model.create();
        sheet.content();
        QComboBox *list = sheet.list(3);
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->currentIndex(), -1);
        QVERIFY(list->isEditable());
        list->lineEdit()->setText(QStringLiteral("Ж"));
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        QCOMPARE(list->count(), 5);
        QCOMPARE(sheet.model.choice[2], 0);
        sheet.choose(3, 4);
        QCOMPARE(sheet.model.choice[2], 4);
        // Grading colours the lists; reopening shows the same state.
        writeKeys(1, QList<int>(20, 4));
        for (int k = 1; k <= 20; ++k)
            sheet.choose(k, k == 2 ? 1 : 4);
        sheet.findChild<QPushButton *>("Button23")->click();
        QVERIFY(!sheet.findChild<QPushButton *>("Button23")->isVisibleTo(&sheet));
        sheet.findChild<QPushButton *>("Button22")->click();
        QVERIFY(sheet.list(2)->styleSheet().contains("255, 0, 0"));
        QVERIFY(sheet.list(1)->styleSheet().contains("0, 255, 0"));
        QCOMPARE(sheet.findChild<QLabel *>("Label17")->text(), QStringLiteral("Г"));
        QVERIFY(!sheet.findChild<QPushButton *>("Button22")->isVisibleTo(&sheet));
    }

    void typedTextSettlesWhenLeft_data()
    {
        QTest::addColumn<int>("before"); // the item chosen before typing (0: none)
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("after");
        QTest::newRow("no letter keeps the choice") << 2 << "zz" << 2;
        QTest::newRow("no letter and no choice") << 0 << "zz" << 0;
        QTest::newRow("Latin A") << 0 << "A" << 1;
        QTest::newRow("Latin b") << 4 << "b" << 3;
        QTest::newRow("Cyrillic lower case") << 1 << QStringLiteral("д") << 5;
        QTest::newRow("two letters") << 3 << QStringLiteral("АБ") << 3;
        QTest::newRow("emptied") << 3 << "" << 3;
    }
    void typedTextSettlesWhenLeft()
    {
        QFETCH(int, before);
        QFETCH(QString, typed);
        QFETCH(int, after);
        WorkFolder wf(false);
        AnswerSheet sheet(testInfo(2));
        sheet.choose(5, before);
        QLineEdit *field = sheet.list(5)->lineEdit();
        field->setText(typed);
        emit field->editingFinished();
        // The list shows exactly the letter that grading will read.
        QCOMPARE(sheet.model.choice[4], after);
        QCOMPARE(field->text(), after ? QStringLiteral("АБВГД").mid(after - 1, 1) : QString());
    }

    void keyboardNeverClosesBySurprise()
    {
        WorkFolder wf(false);
        AnswerSheet sheet(testInfo(1));
        sheet.model.create();
        sheet.content();
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        for (QPushButton *b : sheet.findChildren<QPushButton *>())
            QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
        // Enter in an answer list does not close the sheet.
        sheet.list(1)->setFocus();
        QTest::keyClick(sheet.list(1)->lineEdit(), Qt::Key_Return);
        QVERIFY(sheet.isVisible());
        // "X" follows "Prepear" in the focus order (only "Друк" comes after it).
        QCOMPARE(sheet.findChild<QPushButton *>("Button23")->nextInFocusChain(),
                 sheet.findChild<QPushButton *>("Button1"));
        // After "Prepear" the focus is on "Control": Space grades.
        writeKeys(1, QList<int>(20, 2));
        for (int k = 1; k <= 20; ++k)
            sheet.choose(k, 2);
        sheet.findChild<QPushButton *>("Button23")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), sheet.findChild<QPushButton *>("Button22"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(sheet.model.header.left(4), QStringLiteral("Час "));
        QVERIFY(sheet.isVisible());
    }

    void wheelChangesOnlyAFocusedList()
    {
        WorkFolder wf(false);
        AnswerSheet sheet(testInfo(1));
        sheet.content();
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        sheet.choose(4, 2);
        sheet.findChild<QPushButton *>("Button2")->setFocus();
        auto wheel = [&] {
            QComboBox *l = sheet.list(4);
            const QPointF at(l->width() / 2.0, l->height() / 2.0);
            QWheelEvent e(at, l->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(l, &e);
        };
        wheel();
        QCOMPARE(sheet.model.choice[3], 2);
        sheet.list(4)->setFocus();
        wheel();
        QCOMPARE(sheet.model.choice[3], 3);
    }

    void listsColouredBeforeAFailingAppendIsReported()
    {
        WorkFolder wf(false, false); // no result logs
        AnswerSheet sheet(testInfo(6));
        sheet.model.create();
        writeKeys(6, QList<int>(20, 1));
        for (int k = 1; k <= 20; ++k)
            sheet.choose(k, 1);
        sheet.prepareClicked();
        QStringList seen; // the first list's colour when the report comes
        setErrorSink([&](const QString &e) { seen << e << sheet.list(1)->styleSheet(); });
        sheet.controlClicked();
        setErrorSink({});
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0], kFileNotFound + "\nstat06.txt");
        QVERIFY(seen[1].contains("0, 255, 0"));
    }

    // A log that cannot take the whole entry (a full disk, a size limit, a
    // log replaced or removed) keeps every earlier byte and gains no
    // half line; the sheet stays graded, and where the disk has room again a
    // second grading appends the entry once.
    void aFailedAppendLeavesTheLogWhole_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("room"); // bytes the disk still takes
        QTest::addColumn<QString>("report");
        QTest::newRow("disk full") << "full" << 0 << "Disk write error";
        QTest::newRow("room for a few bytes") << "full" << 7 << "Disk write error";
        QTest::newRow("room for all but one byte") << "full" << -1 << "Disk write error";
        QTest::newRow("replaced by a folder") << "folder" << 0 << "File access denied";
        QTest::newRow("removed") << "removed" << 0 << QString(kFileNotFound);
    }
    void aFailedAppendLeavesTheLogWhole()
    {
        QFETCH(QString, fault);
        QFETCH(int, room);
        QFETCH(QString, report);
        WorkFolder wf(false);
        const QByteArray earlier = toCp1251(QStringLiteral("12.03.2019 9:00:00 Помилок 3\r\nЧас 95 сек.\r\n"));
        writeFile("stat01.txt", earlier);
        AnswerSheet sheet(testInfo(1), clockAt({at("10:00:00"), at("10:00:00"), at("10:01:40")}));
        sheet.model.create();
        writeKeys(1, QList<int>(20, 2));
        for (int k = 1; k <= 20; ++k)
            sheet.choose(k, k == 4 ? 1 : 2);
        sheet.prepareClicked();
        const int entry = sheet.model.logEntry(100).size();

        QFile log("stat01.txt");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (fault == "full") {
            std::signal(SIGXFSZ, SIG_IGN); // a short write, not a signal
            rlimit small = saved;
            small.rlim_cur = earlier.size() + (room < 0 ? entry + room : room);
            QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        } else {
            log.remove();
            if (fault == "folder")
                QDir().mkdir("stat01.txt");
        }
        QStringList reports;
        setErrorSink([&](const QString &e) { reports << e; });
        sheet.controlClicked();
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(reports, QStringList{report + "\nstat01.txt"});
        QCOMPARE(sheet.list(4)->styleSheet().contains("255, 0, 0"), true); // still graded on screen
        if (fault != "full") {
            setErrorSink({});
            return;
        }
        QCOMPARE(readFile("stat01.txt"), earlier);
        sheet.controlClicked(); // the disk has room again
        setErrorSink({});
        QCOMPARE(reports.size(), 1);
        const QByteArray now = readFile("stat01.txt");
        QCOMPARE(now.left(earlier.size()), earlier);
        QCOMPARE(now.size(), earlier.size() + entry);
        QVERIFY(now.endsWith(toCp1251(QStringLiteral(" 100 сек. Помилок 1\r\n"))));
    }
};

QTEST_MAIN(TestSheets)
#include "test_sheets.moc"
