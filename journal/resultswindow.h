#pragma once
// The results window: for each of the ten tests, the attempts the journal
// and the result log hold, a chart of errors and time per attempt, and which
// questions went wrong in each attempt, the most missed first. It only reads.
#include "journal.h"
#include "sheetmodel.h"

#include <QDialog>
#include <array>
#include <vector>

class QTabWidget;

namespace vzt {

// One row of a test's list of attempts.
struct ResultRow {
    enum class Source { Journal, Log, Unread };
    Source source = Source::Log;
    int number = 0;   // the attempt's number in the test (0 for an unread line)
    QString date;     // as the log writes it
    QString time;     // the start time
    int seconds = 0;
    int errors = 0;
    QString text;     // an unread log line, as it is
    int journal = -1; // index into TestResults::journal
};

struct TestResults {
    int test = 0;
    // In the log's order, each journal attempt at its log entry (one the log
    // lacks comes after the log's lines).
    std::vector<ResultRow> rows;
    std::vector<AttemptRecord> journal; // this test's journal attempts, in order
    std::array<int, 20> misses{};       // per question, over the journal attempts
    std::vector<int> questionOrder;     // 1..20, the most missed first
    QString problem;                    // why the log could not be read
};

struct Results {
    std::array<TestResults, 10> tests;
    QString problem; // why the journal could not be read
};

// A question as the journal keeps it (`page`: its description, with its
// solution's steps), with the letters chosen and right, drawn for reading.
QWidget *answerView(const QJsonObject &page, int chosen, int correct);

// Reads the journal and the ten logs of the working folder.
Results collectResults();

class ResultsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget *parent = nullptr);
    ~ResultsWindow() override;
    // Reads the journal and logs afresh; each test's page is built when it
    // is first shown.
    void reload();
    const Results &results() const { return results_; }
    QTabWidget *tabs() const { return tabs_; }
    // The page of test t (1..10), built if it was not yet.
    QWidget *page(int test);

    // A missed question of test `test`'s journal attempt `journalIndex`
    // (index into TestResults::journal), question k: the page as the learner
    // saw it, the letters chosen and right, and its worked solution, in a
    // window of its own (a double click on a red cell opens it).
    QDialog *missedQuestion(int test, int journalIndex, int k);

private:
    void build(int index);
    void clear();
    Results results_;
    QTabWidget *tabs_ = nullptr;
    std::array<bool, 10> built_{};
};

} // namespace vzt
