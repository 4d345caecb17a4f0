// The results journal and the results window: what a grading adds, faults of
// the database that must never cost a log entry, the tolerant log reader, and
// the window's figures against a journal made here.
#include "errors.h"
#include "files.h"
#include "fixture.h"
#include "journal.h"
#include "look.h"
#include "resultswindow.h"
#include "solution.h"
#include "startup.h"

#include <QApplication>
#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

using namespace vzt;

namespace {

const QDateTime kStarted(QDate(2024, 3, 5), QTime(9, 5, 7));

int keyOf(int test, int k) { return readFile(keyFileName(test, k)).toInt(); }

// Answers test `test` with the right letter except at `wrong` (there the next
// one), confirms and grades it.
void takeTest(Program &p, int test, const QSet<int> &wrong)
{
    AnswerSheet *s = p.sheet(test);
    for (int k = 1; k <= 20; ++k)
        s->choose(k, wrong.contains(k) ? keyOf(test, k) % 5 + 1 : keyOf(test, k));
    s->prepareClicked();
    s->controlClicked();
}

// The learner's messages, collected while it lives.
struct Messages {
    QStringList list;
    Messages() { setErrorSink([this](const QString &m) { list << m; }); }
    ~Messages() { setErrorSink(nullptr); }
};

// A statement on a connection of the test's own.
struct Sql {
    QString name;
    explicit Sql(const QString &file, const QString &name = QStringLiteral("test")) : name(name)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.open();
    }
    ~Sql()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QVariant value(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name));
        if (!q.exec(sql))
            return QVariant();
        return q.next() ? q.value(0) : QVariant();
    }
    bool exec(const QString &sql) const { return QSqlQuery(QSqlDatabase::database(name)).exec(sql); }
};

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

AttemptRecord attempt(int test, int minute, int seconds, const QSet<int> &wrong)
{
    AttemptRecord a;
    a.test = test;
    a.started = QDateTime(QDate(2024, 4, 1), QTime(10, minute, 0));
    a.ended = a.started.addSecs(seconds);
    a.seconds = seconds;
    a.errors = int(wrong.size());
    a.logLine = QStringLiteral("Розпочато %1 o %2  ВЗТ %3 Загальний час %4 сек. Помилок %5")
                    .arg(dateText(a.started.date()), timeText(a.started.time()))
                    .arg(test, 2, 10, QLatin1Char('0')).arg(seconds).arg(a.errors);
    for (int k = 0; k < 20; ++k) {
        a.answers[k].correct = k % 5 + 1;
        a.answers[k].chosen = wrong.contains(k + 1) ? (k + 1) % 5 + 1 : k % 5 + 1;
    }
    return a;
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpLook(*qApp); }

    // A question whose template could not run keeps the key 0: grading
    // counts it wrong, and the journal takes the attempt all the same.
    void aQuestionWithoutAKeyIsJournalled()
    {
        WorkFolder wf;
        Messages messages;
        Program p([] { return kStarted; });
        p.startUp([](const QString &) {});
        writeFile(keyFileName(1, 5), "0");
        takeTest(p, 1, {5});
        QVERIFY2(messages.list.isEmpty(), qPrintable(messages.list.join('\n')));
        const std::vector<AttemptRecord> all = readAttempts();
        QCOMPARE(all.size(), std::size_t(1));
        QCOMPARE(all[0].errors, 1);
        QCOMPARE(all[0].answers[4].correct, 0);
    }

    void gradingAddsOneAttemptWithItsAnswersAndPages()
    {
        WorkFolder wf;
        Messages messages;
        {
            Program p([] { return kStarted; });
            p.startUp([](const QString &e) { QFAIL(qPrintable(e)); });
            takeTest(p, 1, {2, 7});
            takeTest(p, 3, {});
            // what the journal keeps of each question is the page as shown,
            // with its worked solution
            const std::array<QJsonObject, 20> pages = readPages(1);
            for (int k = 1; k <= 20; ++k) {
                const Page &page = p.question(1, k)->page;
                QJsonObject shown = describePage(page);
                shown["solution"] = QJsonArray::fromStringList(solve(page).steps);
                QCOMPARE(pages[k - 1], shown);
            }
        }
        {
            Program p([] { return kStarted.addDays(1); });
            p.startUp([](const QString &) {});
            takeTest(p, 1, {20});
        }
        QVERIFY2(messages.list.isEmpty(), qPrintable(messages.list.join('\n')));

        const std::vector<AttemptRecord> all = readAttempts();
        QCOMPARE(all.size(), std::size_t(3));
        const QList<int> testsOf{all[0].test, all[1].test, all[2].test};
        QCOMPARE(testsOf, (QList<int>{1, 3, 1}));
        QCOMPARE(all[0].errors, 2);
        QCOMPARE(all[1].errors, 0);
        QCOMPARE(all[2].errors, 1);
        QCOMPARE(all[0].started, kStarted);
        QCOMPARE(all[2].started, kStarted.addDays(1));
        for (int k = 1; k <= 20; ++k) {
            const AnswerRecord &a = all[0].answers[k - 1];
            QCOMPARE(a.correct == a.chosen, k != 2 && k != 7);
            QVERIFY(a.correct >= 1 && a.correct <= 5);
        }
        // each attempt names the very log entry its grading appended
        const QString log = fromCp1251(readFile(QStringLiteral("stat01.txt")));
        QCOMPARE(log, QStringLiteral("  \r\n") + all[0].logLine + QStringLiteral("\r\n  \r\n")
                          + all[2].logLine + QStringLiteral("\r\n"));

        Sql sql(kJournalFile);
        QCOMPARE(sql.value("SELECT count(*) FROM attempt").toInt(), 3);
        QCOMPARE(sql.value("SELECT count(*) FROM answer").toInt(), 60);
        QCOMPARE(sql.value("SELECT group_concat(question) FROM (SELECT question FROM answer"
                           " WHERE attempt = 1 AND chosen <> correct ORDER BY question)").toString(),
                 QStringLiteral("2,7"));
        QCOMPARE(sql.value("SELECT started FROM attempt WHERE id = 1").toString(),
                 kStarted.toOffsetFromUtc(kStarted.offsetFromUtc()).toString(Qt::ISODate));
        QCOMPARE(sql.value("PRAGMA user_version").toInt(), kJournalVersion);
    }

    void faultyJournalNeverCostsTheLogEntry_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << "damaged" << QStringLiteral("пошкоджений");
        QTest::newRow("foreign") << "foreign" << QStringLiteral("іншої програми");
        QTest::newRow("read-only") << "read-only" << QStringLiteral("лише для читання");
        QTest::newRow("locked") << "locked" << QStringLiteral("зайнятий");
        QTest::newRow("newer") << "newer" << QStringLiteral("новішою версією");
    }
    void faultyJournalNeverCostsTheLogEntry()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        WorkFolder wf;
        if (fault == "damaged") {
            QByteArray junk;
            for (int i = 0; i < 300; ++i)
                junk += "not a database, whatever it was\n";
            writeFile(kJournalFile, junk);
        } else if (fault == "foreign") {
            Sql other(kJournalFile);
            other.exec("CREATE TABLE notes(body TEXT)");
            other.exec("INSERT INTO notes VALUES('mine')");
        } else {
            addAttempt(attempt(5, 0, 60, {})); // a journal of the trainer's
            if (fault == "read-only")
                QFile::setPermissions(kJournalFile, QFile::ReadOwner | QFile::ReadGroup);
            if (fault == "newer") {
                Sql s(kJournalFile);
                s.exec("PRAGMA user_version = 99");
            }
        }
        const QByteArray journalBefore = bytesOf(kJournalFile);
        std::unique_ptr<Sql> holder;
        if (fault == "locked") {
            holder = std::make_unique<Sql>(kJournalFile, QStringLiteral("holder"));
            QVERIFY(holder->exec("BEGIN EXCLUSIVE"));
        }

        Messages messages;
        Program p([] { return kStarted; });
        p.startUp([](const QString &) {});
        takeTest(p, 2, {4});

        QCOMPARE(messages.list.size(), 1);
        QVERIFY(messages.list[0].contains(QStringLiteral("stat02.txt")));
        QVERIFY(messages.list[0].contains(kJournalFile));
        QVERIFY(messages.list[0].contains(reason));
        QCOMPARE(bytesOf(QStringLiteral("stat02.txt")),
                 toCp1251(QStringLiteral("  \r\nРозпочато ") + dateText(kStarted.date())
                          + QStringLiteral(" o 9:05:07  ВЗТ 02 Загальний час 0 сек. Помилок 1\r\n")));
        QCOMPARE(p.sheet(2)->model.header, QStringLiteral("Час 0 сек."));
        QVERIFY(!p.sheet(2)->model.controlVisible);
        holder.reset();
        QCOMPARE(bytesOf(kJournalFile), journalBefore);

        // The program goes on: the window shows the log's attempt.
        p.results()->reload();
        const TestResults &t = p.results()->results().tests[1];
        QCOMPARE(t.rows.size(), std::size_t(1));
        QCOMPARE(t.rows[0].errors, 1);
        QCOMPARE(bytesOf(kJournalFile), journalBefore);
        QFile::setPermissions(kJournalFile, QFile::ReadOwner | QFile::WriteOwner);
    }

    void logReaderKeepsEveryLine()
    {
        WorkFolder wf;
        const QStringList lines{
            QStringLiteral("  "),
            QStringLiteral("Розпочато 05.03.2024 o 9:05:07  ВЗТ 01 Загальний час 75 сек. Помилок 3"),
            QStringLiteral("Hello from somewhere else"),
            QStringLiteral("Розпочато 05.03.2024 o 9:05"),                                            // cut short
            QStringLiteral("Розпочато 06.03.2024 o 10:00:00  ВЗТ 02 Загальний час 5 сек. Помилок 0"), // another test's
            QStringLiteral("Розпочато 3/7/24 o 21:15:00  ВЗТ 01 Загальний час 1200 сек. Помилок 20"),
            QString(),
            QStringLiteral("Розпочато 3/7/24 o 21:15:00  ВЗТ 01 Загальний час 12 сек. Помилок 77"),
        };
        // CRLF and LF breaks, a UTF-8 line, a byte cp1251 lacks, no final break
        QByteArray bytes;
        for (int i = 0; i < lines.size(); ++i)
            bytes += toCp1251(lines[i]) + (i % 2 ? "\n" : "\r\n");
        bytes += QStringLiteral("Проба").toUtf8() + "\r\n";
        bytes += "tail \x98 end";
        writeFile(QStringLiteral("stat01.txt"), bytes);

        const std::vector<LogLine> read = readLog(testInfo(1));
        QCOMPARE(read.size(), std::size_t(lines.size() + 2));
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(read[i].text, lines[i]);
        QCOMPARE(read[lines.size()].text, fromCp1251(QStringLiteral("Проба").toUtf8()));
        QCOMPARE(read[lines.size() + 1].text, fromCp1251("tail \x98 end"));
        using K = LogLine::Kind;
        QList<K> kinds;
        for (const LogLine &l : read)
            kinds << l.kind;
        QCOMPARE(kinds, (QList<K>{K::Blank, K::Entry, K::Other, K::Other, K::Other, K::Entry,
                                  K::Blank, K::Other, K::Other, K::Other}));
        QCOMPARE(read[5].date, QStringLiteral("3/7/24"));
        QCOMPARE(read[5].seconds, 1200);
        QCOMPARE(read[5].errors, 20);

        // The window shows every line that is not blank, entries as attempts,
        // the others as they are; and reading writes nothing.
        ResultsWindow w;
        w.reload();
        const TestResults &t = w.results().tests[0];
        QStringList shown;
        for (const ResultRow &r : t.rows)
            shown << (r.source == ResultRow::Source::Unread ? r.text : QString::number(r.errors));
        QCOMPARE(shown, (QStringList{"3", lines[2], lines[3], lines[4], "20", lines[7],
                                     read[8].text, read[9].text}));
        QCOMPARE(bytesOf(QStringLiteral("stat01.txt")), bytes);
        QVERIFY(!QFile::exists(kJournalFile));
    }

    void menuOpensTheResults_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("button") << false;
        QTest::newRow("Ctrl+R") << true;
    }
    void menuOpensTheResults()
    {
        QFETCH(bool, byKey);
        WorkFolder wf;
        Program p;
        p.startUp([](const QString &) {});
        MainMenu *menu = p.menu();
        menu->content();
        menu->show();
        QApplication::setActiveWindow(menu);
        QVERIFY(QTest::qWaitForWindowActive(menu));
        // The button stands in free space of the menu, clear of every other control.
        auto *button = menu->findChild<QPushButton *>(QStringLiteral("ResultsButton"));
        QVERIFY(button);
        for (QWidget *other : button->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (other != button)
                QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
        QString opened;
        QTimer::singleShot(50, [&opened] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                opened = m->objectName();
                m->close();
            }
        });
        if (byKey)
            QTest::keyClick(menu, Qt::Key_R, Qt::ControlModifier);
        else
            button->click();
        QCOMPARE(opened, QStringLiteral("Results"));
        QVERIFY(menu->isVisible());
        menu->hide();
    }

    // A red cell of the results window opens the question as the learner saw
    // it, read back from the journal, with the letters and its solution.
    void aMissedQuestionShowsItsSolution()
    {
        WorkFolder wf;
        Program p([] { return kStarted; });
        p.startUp([](const QString &) {});
        takeTest(p, 2, {6});
        const Page &page = p.question(2, 6)->page;
        // the description reads back as the same page
        QCOMPARE(describePage(pageFromDescription(describePage(page))), describePage(page));

        ResultsWindow *w = p.results();
        w->reload();
        QDialog *d = w->missedQuestion(2, 0, 6);
        QVERIFY(d);
        QCOMPARE(d->windowTitle(), QStringLiteral("Тест 2, запитання 6, спроба 1"));
        QCOMPARE(d->findChild<QLabel *>("Label1")->text(), displayText(page.findLabel("Label1")->text));
        QCOMPARE(d->findChild<QLabel *>("answers")->text(),
                 QStringLiteral("Обрано: %1.   Правильна відповідь: %2.")
                     .arg(slotLetter(page.key % 5 + 1), slotLetter(page.key)));
        const QString solution = d->findChild<QLabel *>("Solution")->text();
        QVERIFY2(solution.contains("Відповідь: " + slotLetter(page.key) + ")"), qPrintable(solution));
        delete d;
    }

    void windowFiguresAgreeWithTheJournal()
    {
        WorkFolder wf;
        // Test 4: two attempts only the log holds, a foreign line, then five
        // journal attempts (the last one missing from the log).
        const QList<QSet<int>> wrong{{3, 5}, {5}, {5, 9, 3}, {}, {5, 12}};
        std::vector<AttemptRecord> made;
        for (int i = 0; i < wrong.size(); ++i) {
            made.push_back(attempt(4, 10 + i, 100 + 60 * i, wrong[i]));
            addAttempt(made.back());
        }
        addAttempt(attempt(6, 30, 50, {1})); // another test's
        QByteArray log = toCp1251(QStringLiteral(
            "  \r\nРозпочато 01.02.2024 o 8:00:00  ВЗТ 04 Загальний час 900 сек. Помилок 11\r\n"
            "  \r\nРозпочато 02.02.2024 o 8:00:00  ВЗТ 04 Загальний час 600 сек. Помилок 7\r\n"
            "edited by hand\r\n"));
        for (int i = 0; i < 4; ++i)
            log += toCp1251("  \r\n" + made[i].logLine + "\r\n");
        writeFile(QStringLiteral("stat04.txt"), log);

        Program p([] { return kStarted; });
        p.startUp([](const QString &) {});
        ResultsWindow *w = p.results();
        w->reload();
        w->tabs()->setCurrentIndex(3);

        QWidget *page = w->tabs()->currentWidget();
        auto *attempts = page->findChild<QTableView *>(QStringLiteral("attempts"));
        QVERIFY(attempts);
        QAbstractItemModel *m = attempts->model();
        QCOMPARE(m->rowCount(), 8);
        const QStringList numbers{"1", "2", "", "3", "4", "5", "6", "7"};
        const QStringList errors{"11", "7", "", "2", "1", "3", "0", "2"};
        const QStringList source{"stat04.txt", "stat04.txt", "", "журнал", "журнал", "журнал", "журнал", "журнал"};
        for (int r = 0; r < 8; ++r) {
            QCOMPARE(m->data(m->index(r, 0)).toString(), numbers[r]);
            QCOMPARE(m->data(m->index(r, 4)).toString(), errors[r]);
            QCOMPARE(m->data(m->index(r, 5)).toString(), source[r]);
        }
        QCOMPARE(m->data(m->index(2, 1)).toString(), QStringLiteral("edited by hand"));
        QCOMPARE(m->data(m->index(1, 3)).toString(), QStringLiteral("10:00"));

        // The chart: errors and minutes of every attempt, in order.
        auto *chart = page->findChild<QChartView *>(QStringLiteral("chart"));
        QVERIFY(chart);
        const auto series = chart->chart()->series();
        QCOMPARE(series.size(), 2);
        const QList<QPointF> errorPoints = static_cast<QLineSeries *>(series[0])->points();
        const QList<QPointF> minutePoints = static_cast<QLineSeries *>(series[1])->points();
        QCOMPARE(errorPoints, (QList<QPointF>{{1, 11}, {2, 7}, {3, 2}, {4, 1}, {5, 3}, {6, 0}, {7, 2}}));
        QCOMPARE(minutePoints.size(), 7);
        QCOMPARE(minutePoints[0], QPointF(1, 15));
        QCOMPARE(minutePoints[6], QPointF(7, (100 + 60 * 4) / 60.0));

        // The grid: question 5 missed four times, then 3 twice, then 9 and 12.
        auto *grid = page->findChild<QTableView *>(QStringLiteral("grid"));
        QAbstractItemModel *g = grid->model();
        QCOMPARE(g->columnCount(), 5);
        QCOMPARE(g->headerData(0, Qt::Vertical).toString(), QStringLiteral("5  (4)"));
        QCOMPARE(g->headerData(1, Qt::Vertical).toString(), QStringLiteral("3  (2)"));
        QCOMPARE(g->headerData(2, Qt::Vertical).toString(), QStringLiteral("9  (1)"));
        QCOMPARE(g->headerData(3, Qt::Vertical).toString(), QStringLiteral("12  (1)"));
        QCOMPARE(g->headerData(4, Qt::Vertical).toString(), QStringLiteral("1  (0)"));
        QCOMPARE(g->headerData(0, Qt::Horizontal).toInt(), 3);
        for (int row = 0; row < 20; ++row)
            for (int col = 0; col < 5; ++col) {
                const int q = g->headerData(row, Qt::Vertical).toString().section(' ', 0, 0).toInt();
                const bool red = g->data(g->index(row, col), Qt::BackgroundRole).value<QColor>().red() == 255;
                QCOMPARE(red, wrong[col].contains(q));
            }
        QVERIFY(page->findChild<QLabel *>(QStringLiteral("summary"))->text().startsWith(
            QStringLiteral("Спроб: 7 (з них у журналі 5). Найменше помилок: 0.")));
        // Another test's attempt is on its own page only.
        QCOMPARE(w->results().tests[5].rows.size(), std::size_t(1));
    }
};

QTEST_MAIN(TestJournal)
#include "test_journal.moc"
