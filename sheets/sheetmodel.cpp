#include "sheetmodel.h"

#include "env.h"
#include "errors.h"
#include "datatable.h"
#include "files.h"
#include "rng.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>

namespace vzt {

Clock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

QString timeText(const QTime &t) { return t.toString(QStringLiteral("H:mm:ss")); }

QString dateText(const QDate &d) { return QLocale::system().toString(d, QLocale::ShortFormat); }

int secondOfDay(const QString &s)
{
    const bool oneDigitHour = s.mid(1, 1) == QLatin1String(":");
    const int h = s.mid(0, oneDigitHour ? 1 : 2).toInt();
    const int m = s.mid(oneDigitHour ? 2 : 3, 2).toInt();
    const int sec = s.mid(oneDigitHour ? 5 : 6, 2).toInt();
    return h * 3600 + m * 60 + sec;
}

int letterItem(const QString &typed)
{
    QString t = typed.trimmed().toUpper();
    if (t == QLatin1String("A"))
        t = QStringLiteral("А");
    else if (t == QLatin1String("B"))
        t = QStringLiteral("В");
    return slotItem(t);
}

SheetModel::SheetModel(const TestInfo &info, Clock clock) : info(info), clock_(std::move(clock)) {}

void SheetModel::create()
{
    const QDateTime started = clock_();
    startedAt = started;
    startDate = dateText(started.date());
    startTime = timeText(started.time());
    startSecond = secondOfDay(timeText(clock_().time()));
    auto hideControl = [this] { controlVisible = false; };
    if (info.test != 10)
        hideControl();
    if (info.test == 1)
        for (int q = 1; q <= 20; ++q)
            writeFile(keyFileName(1, q), QByteArray("0"));
    if (info.test == 10) {
        QByteArray list;
        for (int q = 0; q < 20; ++q)
            list += "0\r\n";
        writeFile(kKeyList, list);
    }
    SeedFromClock();
    seed = generator().seed;
    title = info.title();
    header.clear();
    rightLetter.fill(QString());
    if (info.test == 10)
        hideControl(); // Test 10 hides "Control" last
}

void SheetModel::questionOpened(int k) { header = QStringLiteral("Запитання № %1").arg(k); }

void SheetModel::confirm()
{
    for (int c : choice)
        if (c == 0)
            return;
    controlVisible = true;
    prepareVisible = false;
}

namespace {
const QString kStarted = QStringLiteral("Розпочато ");
const QString kAt = QStringLiteral(" o ");
const QString kSecondsErrors = QStringLiteral(" сек. Помилок ");
} // namespace

QString SheetModel::logLine(int elapsed) const
{
    return kStarted + startDate + kAt + startTime + info.logTag() + QString::number(elapsed)
        + kSecondsErrors + QString::number(errors);
}

QByteArray SheetModel::logEntry(int elapsed) const
{
    return toCp1251(QStringLiteral("  \r\n") + logLine(elapsed) + QStringLiteral("\r\n"));
}

LogLine parseLogLine(const TestInfo &info, const QString &text)
{
    LogLine l;
    l.text = text;
    if (text.trimmed().isEmpty()) {
        l.kind = LogLine::Kind::Blank;
        return l;
    }
    // One expression per test, built from the pieces the entry is written with.
    static const std::array<QRegularExpression, 10> entries = [] {
        std::array<QRegularExpression, 10> e;
        for (const TestInfo &t : tests())
            e[t.test - 1] = QRegularExpression(
                QStringLiteral("^%1(\\S.*?)%2(\\d{1,2}:\\d\\d:\\d\\d)%3(\\d+)%4(\\d+)$")
                    .arg(QRegularExpression::escape(kStarted), QRegularExpression::escape(kAt),
                         QRegularExpression::escape(t.logTag()),
                         QRegularExpression::escape(kSecondsErrors)));
        return e;
    }();
    const QRegularExpression &re = entries[info.test - 1];
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return l;
    bool secondsOk = false, errorsOk = false;
    l.seconds = m.captured(3).toInt(&secondsOk);
    l.errors = m.captured(4).toInt(&errorsOk);
    if (!secondsOk || !errorsOk || l.errors > 20)
        return l;
    l.kind = LogLine::Kind::Entry;
    l.date = m.captured(1);
    l.time = m.captured(2);
    return l;
}

std::vector<LogLine> readLog(const TestInfo &info)
{
    std::vector<LogLine> lines;
    if (!QFile::exists(info.logFile()))
        return lines;
    const QString text = fromCp1251(readFile(info.logFile()));
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), pos);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > pos && text[stop - 1] == QLatin1Char('\r'))
            --stop;
        lines.push_back(parseLogLine(info, text.mid(pos, stop - pos)));
        pos = next;
    }
    return lines;
}

void SheetModel::grade()
{
    // A grading repeated after a failed log append counts afresh, so that the
    // entry finally written holds this grading's errors only.
    errors = 0;
    rightLetter.fill(QString());
    for (int k = 0; k < 20; ++k) {
        const long long key = readRow(readFile(keyFileName(info.test, k + 1)), 1, 1)[0];
        this->key[k] = key >= 1 && key <= 5 ? int(key) : 0;
        if (choice[k] == key) {
            colour[k] = Colour::Lime;
        } else {
            colour[k] = Colour::Red;
            if (key >= 1 && key <= 5)
                rightLetter[k] = slotLetter(int(key));
            ++errors;
        }
    }
    gradedAt = clock_();
    const int now = secondOfDay(timeText(gradedAt.time()));
    elapsed = now >= startSecond ? now - startSecond : now - startSecond + 86400;
    appendToExisting(info.logFile(), logEntry(elapsed));
    header = QStringLiteral("Час %1 сек.").arg(elapsed);
    controlVisible = false;
}

} // namespace vzt
