#include "mainmenu.h"

#include "env.h"
#include "workfolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace vzt {

namespace {
const QString kTitle = QStringLiteral("SpS/title.bmp");
const QString kEmblem = QStringLiteral("SpS/virlan0.bmp");
} // namespace

MainMenu::MainMenu(QWidget *parent) : Window(1, parent) {}

void MainMenu::create()
{
    title = readPicture(kTitle);
    emblemRight = readPicture(kEmblem);
    emblemLeft = readPicture(kEmblem);
    catalogueCaption = QStringLiteral("Проект Вірлан");
}

namespace {
// A proportional picture box.
QLabel *pictureBox(QWidget *parent, const QString &name, const QImage &img, const QString &file,
                   QRect r)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setGeometry(r);
    box->setPixmap(boxPixmap(img, file, r.size(), true, parent->devicePixelRatioF()));
    return box;
}
} // namespace

void MainMenu::build(QWidget *c)
{
    pictureBox(c, QStringLiteral("Image1"), title, kTitle, QRect(0, 0, 1140, 538));
    pictureBox(c, QStringLiteral("Image3"), emblemLeft, kEmblem, QRect(16, 553, 60, 75));
    pictureBox(c, QStringLiteral("Image2"), emblemRight, kEmblem, QRect(392, 553, 60, 75));

    for (int k = 1; k <= 10; ++k) {
        auto *b = new QPushButton(QStringLiteral("Test%1").arg(k), c);
        b->setObjectName(QStringLiteral("Button%1").arg(k + 1));
        b->setFont(qfont(QStringLiteral("Palatino Linotype"), 16, true, true));
        b->setGeometry(16, 50 + 40 * (k - 1), 75, 25);
        connect(b, &QPushButton::clicked, this, [this, k] {
            if (openTest)
                openTest(k);
        });
    }
    // The learner's results: in the free space right of the second emblem;
    // made before the catalogue button, which the focus leaves for "X".
    auto *results = new QPushButton(QStringLiteral("Мої результати"), c);
    results->setObjectName(QStringLiteral("ResultsButton"));
    results->setFont(qfont(QStringLiteral("Tahoma"), 24, true));
    results->setGeometry(476, 564, 260, 45);
    results->setToolTip(QStringLiteral("Ctrl+R"));
    auto showResults = [this] {
        if (openResults)
            openResults();
    };
    connect(results, &QPushButton::clicked, this, showResults);
    auto *key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(key, &QShortcut::activated, this, showResults);
    auto *cat = new QPushButton(catalogueCaption, c);
    cat->setObjectName(QStringLiteral("Button12"));
    cat->setFont(qfont(QStringLiteral("Tahoma"), 32, true));
    cat->setGeometry(87, 564, 295, 45);
    connect(cat, &QPushButton::clicked, this, [this] {
        if (openCatalogue)
            openCatalogue();
    });
    // "X" comes last, so that it is the last focus stop: the first focus
    // stop is "Test1", not the button that ends the program.
    auto *x = new QPushButton(QStringLiteral("X"), c);
    x->setObjectName(QStringLiteral("Button1"));
    x->setGeometry(16, 8, 33, 25);
    connect(x, &QPushButton::clicked, this, &QWidget::close);
}

void MainMenu::closeEvent(QCloseEvent *e)
{
    e->accept();
    QApplication::quit();
}

void Catalogue::build(QWidget *c)
{
    const Font heading{QStringLiteral("Tahoma"), 32, true, false, QColor(0, 0, 128)};
    const Font text{QStringLiteral("Tahoma"), 19, false, false, QColor(0, 0, 0)};
    placeLabel(c, QStringLiteral("Label1"), QStringLiteral("Проект Вірлан"), 40, 30, heading);
    const QStringList lines{
        QStringLiteral("Тренажер ВЗТ: десять тренувальних тестів з математики"),
        QStringLiteral("по двадцять завдань з вибором відповіді."),
        QStringLiteral("Кожен запуск програми складає нові варіанти завдань."),
        QStringLiteral("Результати кожного тесту дописуються до його журналу stat01.txt … stat10.txt."),
    };
    for (int i = 0; i < lines.size(); ++i)
        placeLabel(c, QStringLiteral("Label%1").arg(i + 2), lines[i], 40, 100 + 34 * i, text);
    placeLabel(c, QStringLiteral("Label%1").arg(lines.size() + 2),
               QStringLiteral("Версія %1").arg(programVersion()), 40, 100 + 34 * lines.size() + 24,
               text);
    auto *x = new QPushButton(QStringLiteral("X"), c);
    x->setObjectName(QStringLiteral("Button1"));
    x->setGeometry(1077, 16, 41, 25);
    connect(x, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace vzt
