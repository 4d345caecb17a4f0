#include "questionwindow.h"

#include "solution.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vzt {

QuestionWindow::QuestionWindow(int number, QWidget *parent) : Window(number, parent) {}

void QuestionWindow::build(QWidget *content)
{
    if (!page.maximized)
        setNormalGeometry(page.normalGeometry);
    renderPage(page, content, this);
    if (!hasSolution(page))
        return;
    // Below everything the window shows, at the left: free in every window.
    QRect shown;
    for (QWidget *w : content->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            shown |= w->geometry();
    solutionButton_ = new QPushButton(QStringLiteral("Розв'язання"), content);
    solutionButton_->setObjectName(QStringLiteral("SolutionButton"));
    solutionButton_->setFont(qfont(QStringLiteral("Tahoma"), 19));
    const QSize hint = solutionButton_->sizeHint();
    solutionButton_->setGeometry(11, shown.bottom() + 14, std::max(hint.width() + 16, 150), hint.height() + 4);
    solutionButton_->setHidden(true);
    connect(solutionButton_, &QPushButton::clicked, this, &QuestionWindow::showSolution);
}

bool QuestionWindow::allowed() const { return solutionAllowed && solutionAllowed() && hasSolution(page); }

void QuestionWindow::updateSolutionButton()
{
    if (!solutionButton_)
        return;
    const bool on = allowed();
    solutionButton_->setVisible(on);
    if (!on && solutionPanel_)
        solutionPanel_->hide();
    fitContent();
}

void QuestionWindow::showEvent(QShowEvent *e)
{
    Window::showEvent(e);
    updateSolutionButton();
}

bool QuestionWindow::solutionButtonShown() const { return solutionButton_ && !solutionButton_->isHidden(); }

QLabel *QuestionWindow::solutionText() const
{
    if (solutionPanel_ && !solutionPanel_->isHidden())
        return solutionPanel_;
    if (solutionWindow_ && solutionWindow_->isVisible())
        return solutionWindow_->findChild<QLabel *>();
    return nullptr;
}

void QuestionWindow::showSolution()
{
    content();
    if (!allowed())
        return;
    updateSolutionButton();
    // The steps are built only when first shown.
    QStringList steps;
    const auto built = [&]() -> const QStringList & {
        if (steps.isEmpty())
            steps = solve(page).steps;
        return steps;
    };
    QWidget *c = content();
    const int top = solutionButton_->geometry().bottom() + 12;
    const int width = std::max(c->width() - 27, 900);
    if (!solutionPanel_) {
        solutionPanel_ = solutionLabel(c, built(), width);
        solutionPanel_->setObjectName(QStringLiteral("Solution"));
        solutionPanel_->move(11, top);
    }
    // Below the question where the window shows it without scrolling away
    // from the question, else in a window of its own.
    const int room = scrollArea() ? scrollArea()->viewport()->height() : height();
    if (top + solutionPanel_->height() + 16 <= std::max(room, 600)) {
        solutionPanel_->show();
        fitContent();
        return;
    }
    if (!solutionWindow_) {
        solutionWindow_ = new QDialog(this);
        solutionWindow_->setObjectName(QStringLiteral("SolutionWindow"));
        solutionWindow_->setWindowTitle(QStringLiteral("Розв'язання: запитання %1").arg(page.question));
        auto *layout = new QVBoxLayout(solutionWindow_);
        auto *scroll = new QScrollArea(solutionWindow_);
        scroll->setWidget(solutionLabel(nullptr, built(), 760));
        scroll->setFrameShape(QFrame::NoFrame);
        layout->addWidget(scroll);
        solutionWindow_->resize(820, std::min(scroll->widget()->height() + 40, 480));
        // in the lower right corner, where it hides least of the question
        if (QScreen *screen = this->screen()) {
            const QRect free = screen->availableGeometry();
            solutionWindow_->move(free.right() - solutionWindow_->width() - 24,
                                  free.bottom() - solutionWindow_->height() - 48);
        }
    }
    solutionWindow_->show();
    solutionWindow_->raise();
}

int QuestionWindow::openWithSolution()
{
    showAtSize();
    QTimer::singleShot(0, this, &QuestionWindow::showSolution);
    return exec();
}

QString solutionHtml(const QStringList &steps)
{
    QString html;
    // "=" never begins a line of its own: a wrapped equality keeps its sign
    // with the left side.
    for (int k = 0; k < steps.size(); ++k)
        html += k + 1 < steps.size() ? QStringLiteral("<p style=\"margin:0 0 6px 0\">%1</p>").arg(QString(steps[k]).replace(QStringLiteral(" = "), QStringLiteral("&nbsp;= ")))
                                     : QStringLiteral("<p style=\"margin:0; color:#0000ff\">%1</p>").arg(steps[k]);
    return html;
}

QLabel *solutionLabel(QWidget *parent, const QStringList &steps, int width)
{
    auto *l = new QLabel(parent);
    l->setFont(qfont(QStringLiteral("Tahoma"), 22));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l->setPalette(pal);
    l->setTextFormat(Qt::RichText);
    l->setWordWrap(true);
    l->setText(solutionHtml(steps));
    l->setFixedWidth(width);
    l->setFixedHeight(l->heightForWidth(width));
    return l;
}

void renderPage(const Page &page, QWidget *content, QDialog *window, qreal dpr)
{
    if (dpr <= 0)
        dpr = content->devicePixelRatioF();
    // Pictures stand over the labels: a picture may cover a place holder
    // character left for it in a text (a root sign over "*").
    for (const LabelItem &l : page.labels) {
        QLabel *label = placeLabel(content, l.name, displayText(l.text), l.left, l.top, l.font);
        label->setVisible(l.visible);
    }
    for (const ImageItem &img : page.images) {
        auto *box = new QLabel(content);
        box->setObjectName(img.name);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setGeometry(img.left, img.top, img.width, img.height);
        box->setPixmap(boxPixmap(img.picture, img.file, QSize(img.width, img.height),
                                 img.proportional, dpr));
        box->setVisible(img.visible);
    }
    auto *x = new QPushButton(QStringLiteral("X"), content);
    x->setObjectName(QStringLiteral("Button1"));
    // "X" never hides question text: where a long line runs under it, it
    // stands right of that line instead.
    QRect xRect(page.closeButton, QSize(41, 25));
    for (const QLabel *l : content->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        if (!l->text().isEmpty() && !l->isHidden() && l->geometry().intersects(xRect))
            xRect.moveLeft(l->geometry().right() + 8);
    x->setGeometry(xRect);
    if (window)
        QObject::connect(x, &QPushButton::clicked, window, &QDialog::reject);
}

} // namespace vzt
