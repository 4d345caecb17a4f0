#include "look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QScreen>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTranslator>
#include <QVBoxLayout>

namespace vzt {

void setUpLook(QApplication &app)
{
    for (const char *f : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(f));
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    app.setFont(qfont(QStringLiteral("Tahoma"), 11));
}

QFont qfont(const QString &family, int px, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont qfont(const Font &f) { return qfont(f.family, f.px, f.bold, f.italic); }

QLabel *placeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                   const Font &font)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(qfont(font));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, font.color);
    l->setPalette(pal);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->move(left, top);
    l->adjustSize();
    return l;
}

Window::Window(int number, QWidget *parent) : QDialog(parent), number_(number)
{
    setObjectName(className());
    setWindowTitle(QStringLiteral("Form%1").arg(number));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
}

QWidget *Window::content()
{
    if (!built_) {
        built_ = true;
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        scroll_ = new QScrollArea(this);
        scroll_->setFrameShape(QFrame::NoFrame);
        layout->addWidget(scroll_);
        content_ = new QWidget;
        build(content_);
        // The content is as large as what it holds.
        QRect r;
        for (QWidget *w : content_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                r |= w->geometry();
        content_->setFixedSize(r.right() + 16, r.bottom() + 16);
        scroll_->setWidget(content_);
    }
    return content_;
}

void Window::showAtSize()
{
    content();
    if (normal_.isValid()) {
        setWindowState(Qt::WindowNoState);
        setGeometry(normal_);
    } else {
        // Also fills the screen where no window manager maximizes windows.
        if (QScreen *s = screen())
            setGeometry(s->availableGeometry());
        setWindowState(Qt::WindowMaximized);
    }
}

int Window::openModal()
{
    showAtSize();
    return exec();
}

} // namespace vzt
