#pragma once
// A question window: shows its page (labels, pictures, "X") as generated at
// start-up; closing only hides it. Once its test has been graded, a button
// "Розв'язання" below the question shows the worked solution.
#include "look.h"
#include "page.h"

#include <functional>

class QPushButton;

namespace vzt {

class QuestionWindow : public Window {
    Q_OBJECT
public:
    explicit QuestionWindow(int number, QWidget *parent = nullptr);
    Page page; // filled by the creation handler at start-up
    // Whether the solution may be shown now: its test's answer sheet has been
    // graded (set by start-up). Until then nothing of it is shown or built.
    std::function<bool()> solutionAllowed;

    // Opens the window modally with its solution shown (where allowed).
    int openWithSolution();
    // The button's action: the steps below the question where the window has
    // room for them, else in a small window of their own that scrolls.
    void showSolution();
    bool solutionButtonShown() const;
    // The solution's steps where they are shown (below the question or in
    // their own window), or nullptr.
    QLabel *solutionText() const;

protected:
    void build(QWidget *content) override;
    void showEvent(QShowEvent *e) override;

private:
    bool allowed() const;
    void updateSolutionButton();
    QPushButton *solutionButton_ = nullptr;
    QLabel *solutionPanel_ = nullptr;
    QDialog *solutionWindow_ = nullptr;
};

// Renders a page's items onto a widget (also used by the gallery and the
// printed tests); "X" closes `window` where there is one. Pictures are drawn
// for device pixel ratio `dpr` (0: the content's own).
void renderPage(const Page &page, QWidget *content, QDialog *window, qreal dpr = 0);

// A worked solution as rich text: its steps one under another, the answer
// last in the blue of the question's letters (the window, the gallery and
// the results window show it so).
QString solutionHtml(const QStringList &steps);
// A label showing `steps` in the house style at the question lines' size,
// `width` wide.
QLabel *solutionLabel(QWidget *parent, const QStringList &steps, int width);

} // namespace vzt
