#pragma once
// Start-up: creates every window in its fixed order, each running its
// creation handler before the next; errors are reported one by one and
// start-up goes on with the next window.
#include "answersheet.h"
#include "env.h"
#include "errors.h"
#include "mainmenu.h"
#include "questionwindow.h"
#include "resultswindow.h"

#include <map>
#include <memory>
#include <vector>

namespace vzt {

// Why `folder` cannot be the trainer's working folder (it lacks "SpS" or
// "Ida"), in words for the learner; empty when it has both.
QString workingFolderProblem(const QString &folder);

class Program {
public:
    explicit Program(Clock clock = systemClock());
    ~Program();

    // Creates all windows; `sink` receives each error raised by a creation handler.
    void startUp(const ErrorSink &sink);
    void show();  // the main menu, maximized

    MainMenu *menu() { return menu_.get(); }
    AnswerSheet *sheet(int test) { return sheets_.at(test - 1).get(); }
    QuestionWindow *question(int test, int k);    // by answer-sheet button
    QuestionWindow *window(int form);             // by class number
    Catalogue *catalogue() { return catalogue_.get(); }
    // The results window, made when first asked for.
    ResultsWindow *results();
    void openResults(); // reread and shown modally
    // Every window in creation order.
    std::vector<Window *> windows();

private:
    // Adds a graded sheet's attempt, with the pages its questions showed, to
    // the results journal; raises the message the learner sees.
    void journalAttempt(const SheetModel &m);
    Clock clock_;
    FileEnv env_;
    std::unique_ptr<MainMenu> menu_;
    std::vector<std::unique_ptr<AnswerSheet>> sheets_;
    std::map<int, std::unique_ptr<QuestionWindow>> questions_;
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<ResultsWindow> results_;
    std::vector<Window *> order_;
};

} // namespace vzt
