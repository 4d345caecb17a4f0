#pragma once
// The state of one answer sheet and what its buttons do, without widgets:
// start time, chosen letters, confirmation, grading against the key files,
// and the entry appended to the test's result log.
#include "tests.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vzt {

using Clock = std::function<QDateTime()>;
Clock systemClock();

// The time texts the sheet keeps and parses: "9:05:07", "21:05:07".
QString timeText(const QTime &t);
QString dateText(const QDate &d); // the system's short date format
int secondOfDay(const QString &timeText);
// The item (1 = А … 5 = Д) a typed text names, or 0. Either case counts, and
// the Latin A and B stand for the Cyrillic А and В they look like.
int letterItem(const QString &typed);

class SheetModel {
public:
    enum class Colour { None, Lime, Red };

    explicit SheetModel(const TestInfo &info, Clock clock = systemClock());

    const TestInfo &info;
    QString startDate;
    QString startTime;
    int startSecond = 0;
    int errors = 0;
    // The attempt as the results journal keeps it: when the sheet started
    // and was graded, the seconds and the keys the grading read.
    QDateTime startedAt;
    QDateTime gradedAt;
    int elapsed = 0;
    std::array<int, 20> key{};
    std::array<int, 20> choice{}; // 0: nothing selected, 1..5: А .. Д
    std::array<Colour, 20> colour{};
    std::array<QString, 20> rightLetter;
    QString header;   // Label2
    QString title;    // Label1
    // The generator's seed this sheet set at creation: its twenty questions
    // were drawn from it (printed on the sheet's print-out).
    std::optional<std::uint32_t> seed;
    bool controlVisible = true;
    bool prepareVisible = true;

    // Creation at start-up; a failing file operation raises and stops it
    // (the generator is then left unseeded by this sheet).
    void create();
    void questionOpened(int k); // k = 1 .. 20
    void confirm();             // "Prepear" / "Repeat"
    void grade();               // "Control"; raises on a missing key or log file
    QByteArray logEntry(int elapsed) const;
    QString logLine(int elapsed) const; // the entry's text line

private:
    Clock clock_;
};

// One line of a test's result log as read back: an entry the grading wrote
// (its start date and time as written, its seconds and errors), the blank
// line before each entry, or a line of some other form, kept as it is.
struct LogLine {
    enum class Kind { Entry, Blank, Other };
    Kind kind = Kind::Other;
    QString text; // the line, decoded from cp1251, without its line break
    QString date;
    QString time;
    int seconds = 0;
    int errors = 0;
};
LogLine parseLogLine(const TestInfo &info, const QString &text);
// Every line of the test's log, in order; a missing log has none. Only reads.
std::vector<LogLine> readLog(const TestInfo &info);

} // namespace vzt
