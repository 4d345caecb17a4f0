#pragma once
// The main menu: the title picture, "X", the ten test buttons, the
// catalogue button and, right of the emblems, the results button.
#include "look.h"

#include <QImage>
#include <functional>

namespace vzt {

class MainMenu : public Window {
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent = nullptr);
    // Creation: loads the pictures, then sets the catalogue caption. A missing
    // picture raises and leaves the caption "Button12".
    void create();

    QImage title, emblemLeft, emblemRight;
    QString catalogueCaption = QStringLiteral("Button12");
    std::function<void(int test)> openTest;
    std::function<void()> openCatalogue;
    std::function<void()> openResults; // "Мої результати", also Ctrl+R

protected:
    void build(QWidget *content) override;
    void closeEvent(QCloseEvent *e) override;
    void reject() override {} // Esc does not end the program; "X" does
};

// The catalogue of the maker's other programs: a few lines and a way back.
class Catalogue : public Window {
    Q_OBJECT
public:
    explicit Catalogue(QWidget *parent = nullptr) : Window(215, parent) {}
    void create() {}

protected:
    void build(QWidget *content) override;
};

} // namespace vzt
