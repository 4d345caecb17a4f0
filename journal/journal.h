#pragma once
// The results journal: every graded attempt, question by question, in the
// SQLite database "results.sqlite" of the working folder. Attempts are only
// added, one transaction each; nothing is ever changed or deleted. The
// database is marked as the trainer's (application id) and carries its schema
// version; it is created on the first attempt.
#include "page.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <array>
#include <vector>

namespace vzt {

inline const QString kJournalFile = QStringLiteral("results.sqlite");
inline constexpr int kJournalVersion = 1;

struct AnswerRecord {
    int chosen = 0;   // 0: nothing chosen, 1..5: А .. Д
    int correct = 0;  // the key: 1..5
    QJsonObject page; // the question as the learner saw it (describePage)
};

struct AttemptRecord {
    qint64 id = 0; // given by the journal
    int test = 0;
    QDateTime started;
    QDateTime ended;
    int seconds = 0;
    int errors = 0;
    QString logLine; // the entry the grading appended to the test's log
    std::array<AnswerRecord, 20> answers;
};

// Adds one attempt with its twenty answers. Raises vzt::Error, with the
// reason in words for the learner, when the journal cannot take it (read-only,
// locked, damaged, another program's database, a newer schema); the journal
// is then left as it was.
void addAttempt(const AttemptRecord &attempt, const QString &file = kJournalFile);

// Every attempt in the order added, with the letters of its answers but
// without their pages; none when there is no journal. Opens the database
// read-only; raises vzt::Error when it cannot be read as the trainer's.
std::vector<AttemptRecord> readAttempts(const QString &file = kJournalFile);

// The pages of one attempt's answers, question 1 first.
std::array<QJsonObject, 20> readPages(qint64 attempt, const QString &file = kJournalFile);

} // namespace vzt
