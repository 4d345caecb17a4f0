#pragma once
// The answer-sheet window of one test: twenty question buttons, twenty
// drop-down lists, "Prepear"/"Repeat" and "Control". Its state lives in a
// SheetModel, which survives closing and reopening the window.
#include "look.h"
#include "sheetmodel.h"

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;

namespace vzt {

class AnswerSheet : public Window {
    Q_OBJECT
public:
    AnswerSheet(const TestInfo &info, Clock clock = systemClock(), QWidget *parent = nullptr);
    ~AnswerSheet() override;
    SheetModel model;
    // Opens question window k (1..20) modally; set by start-up.
    std::function<void(int k)> openQuestion;
    // Opens question window k with its worked solution; set by start-up. A
    // click on a wrong row's right letter does this once the sheet is graded.
    std::function<void(int k)> openSolution;
    // The page of question k (1..20) as the learner has it; set by start-up.
    std::function<const Page &(int k)> questionPage;
    // Called after a grading whose log entry was appended (set by start-up:
    // it adds the attempt to the results journal). What it raises is
    // reported on its own; the grading and the log entry stand.
    std::function<void(const SheetModel &)> graded;

    // The button actions (also used by tests).
    void questionClicked(int k);
    void rightLetterClicked(int k);
    void prepareClicked();
    void controlClicked();
    void choose(int k, int item); // item 0..5 as the list's selection
    // The field of list k was left (or Enter pressed in it): settles what it shows.
    void settleTyped(int k);
    // "Друк": the twenty questions the learner has, through the system's
    // print dialog. Writes nothing in the working folder.
    void printClicked();
    // Prints the twenty questions onto `device` (a printer or a PDF);
    // returns the pages printed (none without the questions' pages).
    int print(QPagedPaintDevice &device) const;

    QComboBox *list(int k) const { return lists_[k - 1]; }

protected:
    void build(QWidget *content) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    std::array<QComboBox *, 20> lists_{};
    std::array<QLabel *, 20> letters_{};
    QLabel *header_ = nullptr;
    QLabel *title_ = nullptr;
    QPushButton *control_ = nullptr;
    QPushButton *prepare_ = nullptr;
    QPushButton *print_ = nullptr;
};

} // namespace vzt
