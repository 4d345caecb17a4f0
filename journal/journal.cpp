#include "journal.h"

#include "errors.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vzt {

namespace {

// "VZTJ": marks the database as the trainer's journal.
constexpr int kApplicationId = 0x565A544A;

const char *const kSchema[] = {
    // `chosen` and `correct` of an attempt: its answers' letters in question
    // order ("-" for none), so that the list of attempts reads without
    // touching the answers and their pages.
    "CREATE TABLE attempt(id INTEGER PRIMARY KEY, test INTEGER NOT NULL, started TEXT NOT NULL,"
    " ended TEXT NOT NULL, seconds INTEGER NOT NULL, errors INTEGER NOT NULL,"
    " log_line TEXT NOT NULL, chosen TEXT NOT NULL, correct TEXT NOT NULL)",
    "CREATE TABLE answer(attempt INTEGER NOT NULL REFERENCES attempt(id),"
    " question INTEGER NOT NULL, chosen TEXT NOT NULL, correct TEXT NOT NULL,"
    " page TEXT NOT NULL, PRIMARY KEY(attempt, question))",
};

Error journalError(const QString &reason, const QString &file, bool reading = false)
{
    const QString text = reading ? QStringLiteral("Журнал результатів %1 не прочитано: %2.")
                                 : QStringLiteral("Спробу не внесено до журналу результатів %1: %2.");
    return Error(text.arg(QFileInfo(file).fileName(), reason), file);
}

QString reasonOf(const QSqlError &e)
{
    bool known = false;
    const int code = e.nativeErrorCode().toInt(&known) & 0xff;
    if (known)
        switch (code) {
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            return QStringLiteral("журнал зайнятий іншою програмою");
        case 8: // SQLITE_READONLY
            return QStringLiteral("файл журналу лише для читання");
        case 11: // SQLITE_CORRUPT
        case 26: // SQLITE_NOTADB
            return QStringLiteral("файл журналу пошкоджений");
        case 13: // SQLITE_FULL
            return QStringLiteral("на диску немає місця");
        case 14: // SQLITE_CANTOPEN
            return QStringLiteral("файл журналу не вдається відкрити");
        }
    return QStringLiteral("помилка бази даних (%1)").arg(e.text());
}

QString isoText(const QDateTime &t)
{
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}

// A connection of its own, closed and removed when it goes.
class Connection {
public:
    Connection(const QString &file, bool readOnly)
        : name_(QStringLiteral("vzt-journal-%1").arg(++count()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(file);
        db.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000")
                                      : QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
        if (!db.open())
            error_ = db.lastError();
    }
    ~Connection()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    bool opened() const { return !error_.isValid(); }
    const QSqlError &error() const { return error_; }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    static int &count()
    {
        static int n = 0;
        return n;
    }
    QString name_;
    QSqlError error_;
};

// Runs statements, raising the journal's error on a failure.
struct Statements {
    QSqlDatabase db;
    QString file;
    bool reading = false;

    Error fail(const QString &reason) const { return journalError(reason, file, reading); }
    Error fail(const QSqlError &e) const { return fail(reasonOf(e)); }

    QSqlQuery run(const QString &sql) const
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(sql))
            throw fail(q.lastError());
        return q;
    }
    qint64 number(const QString &sql) const
    {
        QSqlQuery q = run(sql);
        return q.next() ? q.value(0).toLongLong() : 0;
    }
    // Whether the database is empty (a journal yet to be made); raises when
    // it is another program's or of a newer schema than this program knows.
    bool isNew() const
    {
        const qint64 tables = number(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        const qint64 id = number(QStringLiteral("PRAGMA application_id"));
        const qint64 version = number(QStringLiteral("PRAGMA user_version"));
        if (tables == 0 && id == 0 && version == 0)
            return true;
        if (id != kApplicationId)
            throw fail(QStringLiteral("у файлі база даних іншої програми"));
        if (version > kJournalVersion)
            throw fail(QStringLiteral("журнал записано новішою версією тренажера"));
        return false;
    }
};

} // namespace


void addAttempt(const AttemptRecord &a, const QString &file)
{
    // A file marked read-only stays untouched, whoever runs the program.
    const QFileInfo info(file);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        throw journalError(QStringLiteral("файл журналу лише для читання"), file);
    Connection c(file, false);
    if (!c.opened())
        throw journalError(reasonOf(c.error()), file);
    const Statements s{c.db(), file};
    s.run(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        if (s.isNew()) {
            for (const char *sql : kSchema)
                s.run(QString::fromLatin1(sql));
            s.run(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
            s.run(QStringLiteral("PRAGMA user_version = %1").arg(kJournalVersion));
        } else {
            // A damaged file may take an attempt and lose it again: it is
            // refused before anything is added.
            QSqlQuery q = s.run(QStringLiteral("PRAGMA quick_check(1)"));
            if (!q.next() || q.value(0).toString() != QLatin1String("ok"))
                throw s.fail(QStringLiteral("файл журналу пошкоджений"));
        }
        QSqlQuery attempt(c.db());
        attempt.prepare(QStringLiteral(
            "INSERT INTO attempt(test, started, ended, seconds, errors, log_line, chosen, correct)"
            " VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
        QString chosen, correct;
        for (const AnswerRecord &r : a.answers) {
            chosen += r.chosen ? slotLetter(r.chosen) : QStringLiteral("-");
            correct += r.correct ? slotLetter(r.correct) : QStringLiteral("-");
        }
        attempt.addBindValue(a.test);
        attempt.addBindValue(isoText(a.started));
        attempt.addBindValue(isoText(a.ended));
        attempt.addBindValue(a.seconds);
        attempt.addBindValue(a.errors);
        attempt.addBindValue(a.logLine);
        attempt.addBindValue(chosen);
        attempt.addBindValue(correct);
        if (!attempt.exec())
            throw s.fail(attempt.lastError());
        const qint64 id = attempt.lastInsertId().toLongLong();
        QSqlQuery answer(c.db());
        answer.prepare(QStringLiteral(
            "INSERT INTO answer(attempt, question, chosen, correct, page) VALUES(?, ?, ?, ?, ?)"));
        // a question without a key (a template that could not run) or an
        // answer without a letter is kept as an empty letter
        auto letter = [](int item) {
            const QString l = slotLetter(item);
            return l.isEmpty() ? QStringLiteral("") : l;
        };
        for (int k = 0; k < 20; ++k) {
            const AnswerRecord &r = a.answers[k];
            answer.bindValue(0, id);
            answer.bindValue(1, k + 1);
            answer.bindValue(2, letter(r.chosen));
            answer.bindValue(3, letter(r.correct));
            answer.bindValue(4, QString::fromUtf8(QJsonDocument(r.page).toJson(QJsonDocument::Compact)));
            if (!answer.exec())
                throw s.fail(answer.lastError());
        }
        s.run(QStringLiteral("COMMIT"));
    } catch (...) {
        QSqlQuery(c.db()).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

namespace {
// Runs `read` on the journal opened read-only; an empty database reads as
// no attempts.
template <typename Read>
void readJournal(const QString &file, Read read)
{
    Connection c(file, true);
    if (!c.opened())
        throw journalError(reasonOf(c.error()), file, true);
    const Statements s{c.db(), file, true};
    if (!s.isNew())
        read(s);
}
} // namespace

std::vector<AttemptRecord> readAttempts(const QString &file)
{
    std::vector<AttemptRecord> attempts;
    if (!QFileInfo::exists(file))
        return attempts;
    readJournal(file, [&](const Statements &s) {
        QSqlQuery q = s.run(QStringLiteral(
            "SELECT id, test, started, ended, seconds, errors, log_line, chosen, correct"
            " FROM attempt ORDER BY id"));
        while (q.next()) {
            AttemptRecord a;
            a.id = q.value(0).toLongLong();
            a.test = q.value(1).toInt();
            a.started = QDateTime::fromString(q.value(2).toString(), Qt::ISODate);
            a.ended = QDateTime::fromString(q.value(3).toString(), Qt::ISODate);
            a.seconds = q.value(4).toInt();
            a.errors = q.value(5).toInt();
            a.logLine = q.value(6).toString();
            const QString chosen = q.value(7).toString();
            const QString correct = q.value(8).toString();
            for (int k = 0; k < 20 && k < chosen.size() && k < correct.size(); ++k) {
                a.answers[k].chosen = slotItem(QStringView(chosen).mid(k, 1));
                a.answers[k].correct = slotItem(QStringView(correct).mid(k, 1));
            }
            attempts.push_back(std::move(a));
        }
    });
    return attempts;
}

std::array<QJsonObject, 20> readPages(qint64 attempt, const QString &file)
{
    std::array<QJsonObject, 20> pages;
    if (!QFileInfo::exists(file))
        return pages;
    readJournal(file, [&](const Statements &s) {
        QSqlQuery q(s.db);
        q.prepare(QStringLiteral("SELECT question, page FROM answer WHERE attempt = ?"));
        q.addBindValue(attempt);
        if (!q.exec())
            throw s.fail(q.lastError());
        while (q.next()) {
            const int k = q.value(0).toInt();
            if (k >= 1 && k <= 20)
                pages[k - 1] = QJsonDocument::fromJson(q.value(1).toString().toUtf8()).object();
        }
    });
    return pages;
}

} // namespace vzt
