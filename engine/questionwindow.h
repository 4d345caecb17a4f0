#pragma once
// A question window: shows its page (labels, pictures, "X") as generated at
// start-up; closing only hides it.
#include "look.h"
#include "page.h"

namespace vzt {

class QuestionWindow : public Window {
    Q_OBJECT
public:
    explicit QuestionWindow(int number, QWidget *parent = nullptr);
    Page page; // filled by the creation handler at start-up

protected:
    void build(QWidget *content) override;
};

// Renders a page's items onto a widget (also used by the gallery and the
// printed tests); "X" closes `window` where there is one. Pictures are drawn
// for device pixel ratio `dpr` (0: the content's own).
void renderPage(const Page &page, QWidget *content, QDialog *window, qreal dpr = 0);

} // namespace vzt
