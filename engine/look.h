#pragma once
// The look shared by all windows: fonts, style, Ukrainian message boxes, and
// the lazily built, vertically scrolling window every screen is.
#include "page.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFont>

class QApplication;
class QScrollArea;
class QLabel;

namespace vzt {

// How far bold text is struck again to the right, in pixels per 24 px of
// font size (see setUpLook).
// (The picture generator strikes the signs it draws inside question lines
// the same way: BOLD_SHIFT_PER_24PX in tools/gen/vztgen/draw.py.)
inline constexpr double kBoldShiftPer24Px = 1.2;

// Registers the Tahoma faces, the window style (Fusion, with bold text that
// reads bold) and the Ukrainian Qt texts.
void setUpLook(QApplication &app);
QFont qfont(const Font &f);
// What a picture box shows of `picture` (read from `file`) in a box of
// `box`: the picture from the top-left, clipped to the box, or scaled down
// with its proportions kept where the box is proportional. On a screen of
// device pixel ratio `dpr` above 1 it is drawn from the picture's 2x twin
// where there is one; every logical size and position stays the same.
QPixmap boxPixmap(const QImage &picture, const QString &file, QSize box, bool proportional,
                  qreal dpr);

// A reported error in a message box, in a readable size.
inline constexpr int kMessagePx = 18;
void showError(QWidget *parent, const QString &message);
QFont qfont(const QString &family, int px, bool bold = false, bool italic = false);
// A label placed at (left, top) that sizes itself to its text.
QLabel *placeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                   const Font &font);

// `frame` moved, and shrunk where it is larger, to lie inside `available`.
QRect fitInto(const QRect &frame, const QRect &available);

// A window numbered by creation order ("Form<n>" in its title bar), opening
// maximized (unless told otherwise) with its content in a vertical scroll area.
// The content is built when the window is first shown or grabbed.
class Window : public QDialog {
    Q_OBJECT
public:
    Window(int number, QWidget *parent = nullptr);
    int number() const { return number_; }
    QString className() const { return QStringLiteral("TForm%1").arg(number_); }

    QWidget *content();          // built on first use
    bool built() const { return built_; }
    int openModal();             // shows the window modally and waits
    void showAtSize();           // maximized, or at its designed place and size
    void setNormalGeometry(const QRect &r) { normal_ = r; }
    // Moves and shrinks a window that is not maximized so that its frame
    // lies on the available screen.
    void keepOnScreen();

protected:
    virtual void build(QWidget *content) = 0;
    // Sizes the built content to what it shows (after showing or hiding a part).
    void fitContent();
    QScrollArea *scrollArea() const { return scroll_; }
    void changeEvent(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    int number_;
    bool built_ = false;
    QScrollArea *scroll_ = nullptr;
    QWidget *content_ = nullptr;
    QRect normal_;
    QElapsedTimer settling_; // since the window was shown or restored
};

} // namespace vzt
