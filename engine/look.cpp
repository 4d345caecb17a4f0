#include "look.h"

#include "env.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QPainter>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>
#include <QStyleFactory>
#include <QTranslator>
#include <QVBoxLayout>

namespace vzt {

namespace {
// The window style (Fusion) with heavier bold text. The bold Tahoma face
// available here has the advance widths of a bold face but the strokes of
// the regular one, so bold text would read as regular. Bold text is struck
// a second time, shifted right by a fraction of a pixel per 24 px of size:
// the strokes grow heavier while every advance, and so every position that
// follows from text widths, stays as the face sets it.
class HouseStyle : public QProxyStyle {
public:
    HouseStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &pal,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override
    {
        QProxyStyle::drawItemText(painter, rect, flags, pal, enabled, text, textRole);
        if (!painter->font().bold() || text.isEmpty())
            return;
        const qreal px = painter->font().pixelSize() > 0 ? painter->font().pixelSize()
                                                         : painter->fontMetrics().height();
        const qreal shift = kBoldShiftPer24Px * px / 24.0;
        painter->save();
        painter->setRenderHint(QPainter::TextAntialiasing);
        for (qreal dx : {shift / 2, shift}) {
            painter->translate(dx, 0);
            QProxyStyle::drawItemText(painter, rect, flags, pal, enabled, text, textRole);
            painter->translate(-dx, 0);
        }
        painter->restore();
    }

    // Every focus stop shows its focus, also when it came by a click or from
    // the program (Fusion marks it only after keyboard navigation).
    void drawPrimitive(PrimitiveElement pe, const QStyleOption *opt, QPainter *p,
                       const QWidget *w) const override
    {
        if (const auto *b = qstyleoption_cast<const QStyleOptionButton *>(opt);
            b && (b->state & State_HasFocus)) {
            QStyleOptionButton shown(*b);
            shown.state |= State_KeyboardFocusChange;
            return QProxyStyle::drawPrimitive(pe, &shown, p, w);
        }
        QProxyStyle::drawPrimitive(pe, opt, p, w);
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex *opt, QPainter *p,
                            const QWidget *w) const override
    {
        if (const auto *c = qstyleoption_cast<const QStyleOptionComboBox *>(opt);
            c && (c->state & State_HasFocus)) {
            QStyleOptionComboBox shown(*c);
            shown.state |= State_KeyboardFocusChange;
            return QProxyStyle::drawComplexControl(cc, &shown, p, w);
        }
        QProxyStyle::drawComplexControl(cc, opt, p, w);
    }
};
} // namespace

void setUpLook(QApplication &app)
{
    for (const char *f : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(f));
    app.setStyle(new HouseStyle);
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    app.setFont(qfont(QStringLiteral("Tahoma"), 11));
}

QPixmap boxPixmap(const QImage &picture, const QString &file, QSize box, bool proportional,
                  qreal dpr)
{
    if (picture.isNull())
        return QPixmap();
    const bool larger = picture.width() > box.width() || picture.height() > box.height();
    QImage twin;
    if (dpr > 1 && !file.isEmpty())
        twin = readTwin(file, picture.size());
    const int k = twin.isNull() ? 1 : 2;
    const QImage &source = twin.isNull() ? picture : twin;
    QImage shown;
    if (proportional && larger) // the twin to twice the size the 1x picture takes
        shown = source.scaled(picture.size().scaled(box, Qt::KeepAspectRatio) * k,
                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        shown = source.copy(0, 0, std::min(source.width(), box.width() * k),
                            std::min(source.height(), box.height() * k));
    QPixmap p = QPixmap::fromImage(shown);
    p.setDevicePixelRatio(k);
    return p;
}

void showError(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Помилка"), message, QMessageBox::Ok,
                    parent);
    // as large as the windows' own text, not the 11 px of the window font
    box.setFont(qfont(QStringLiteral("Tahoma"), kMessagePx));
    box.exec();
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
        // Not a focus stop of its own: the keys it scrolls with reach it from
        // the focused control inside.
        scroll_->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(scroll_);
        content_ = new QWidget;
        build(content_);
        fitContent();
        // No button is a default button: Enter never closes a window or ends
        // the program; Space presses the button that has the focus.
        for (QPushButton *b : content_->findChildren<QPushButton *>()) {
            b->setAutoDefault(false);
            b->setDefault(false);
        }
        scroll_->setWidget(content_);
    }
    return content_;
}

void Window::fitContent()
{
    // The content is as large as what it shows.
    QRect r;
    for (QWidget *w : content_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            r |= w->geometry();
    content_->setFixedSize(r.right() + 16, r.bottom() + 16);
}

void Window::showAtSize()
{
    content();
    if (normal_.isValid()) {
        setWindowState(Qt::WindowNoState);
        setGeometry(normal_);
        keepOnScreen();
    } else {
        // Also fills the screen where no window manager maximizes windows.
        if (QScreen *s = screen())
            setGeometry(s->availableGeometry());
        setWindowState(Qt::WindowMaximized);
    }
}

QRect fitInto(const QRect &frame, const QRect &available)
{
    QRect r(frame.topLeft(), frame.size().boundedTo(available.size()));
    r.moveLeft(std::clamp(r.left(), available.left(), available.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), available.top(), available.bottom() + 1 - r.height()));
    return r;
}

void Window::keepOnScreen()
{
    QScreen *s = screen();
    if (!s || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    // The window's frame (title bar and borders, where a window manager
    // draws them) stays on the available screen, so its close button stays
    // in reach; the content scrolls where the window had to shrink.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QRect fitted = fitInto(frame, s->availableGeometry());
    if (fitted == frame)
        return;
    resize(inner.size() - (frame.size() - fitted.size()));
    move(fitted.topLeft());
}

void Window::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    // A window restored from maximized comes back no larger than the screen.
    if (e->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState) {
        settling_.start();
        QTimer::singleShot(0, this, &Window::keepOnScreen);
    }
}

void Window::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The window manager reports its frame some time after the window is
    // shown: until it has settled, each move or resize keeps the frame on
    // the screen (later ones are the learner's own).
    settling_.start();
    QTimer::singleShot(0, this, &Window::keepOnScreen);
}

void Window::moveEvent(QMoveEvent *e)
{
    QDialog::moveEvent(e);
    if (settling_.isValid() && settling_.elapsed() < 1000)
        QTimer::singleShot(0, this, &Window::keepOnScreen);
}

void Window::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    if (settling_.isValid() && settling_.elapsed() < 1000)
        QTimer::singleShot(0, this, &Window::keepOnScreen);
}

int Window::openModal()
{
    showAtSize();
    return exec();
}

} // namespace vzt
