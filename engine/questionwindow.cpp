#include "questionwindow.h"

#include <QLabel>
#include <QPushButton>

namespace vzt {

QuestionWindow::QuestionWindow(int number, QWidget *parent) : Window(number, parent) {}

void QuestionWindow::build(QWidget *content)
{
    if (!page.maximized)
        setNormalGeometry(page.normalGeometry);
    renderPage(page, content, this);
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
