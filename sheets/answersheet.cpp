#include "answersheet.h"

#include "errors.h"
#include "printout.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWheelEvent>

namespace vzt {

namespace {
// The drop-down list of one answer. The wheel changes it only while it has
// the focus: over an unfocused list the wheel scrolls the window.
class AnswerList : public QComboBox {
public:
    explicit AnswerList(QWidget *parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void wheelEvent(QWheelEvent *e) override
    {
        if (!hasFocus()) {
            e->ignore();
            return;
        }
        QComboBox::wheelEvent(e);
    }
};

int listTop(int k) { return k <= 18 ? 48 + 30 * (k - 1) : (k == 19 ? 584 : 614); }

QString listStyle(SheetModel::Colour c)
{
    switch (c) {
    case SheetModel::Colour::Lime:
        return QStringLiteral("QComboBox { background-color: rgb(0, 255, 0); border: 1px solid gray; }");
    case SheetModel::Colour::Red:
        return QStringLiteral("QComboBox { background-color: rgb(255, 0, 0); border: 1px solid gray; }");
    case SheetModel::Colour::None:
        break;
    }
    return QString();
}
} // namespace

AnswerSheet::AnswerSheet(const TestInfo &info, Clock clock, QWidget *parent)
    : Window(info.form, parent), model(info, std::move(clock))
{
}

// The lists go with the dialog after this object is gone: a list that loses
// the focus then must not settle its text into it.
AnswerSheet::~AnswerSheet()
{
    for (QComboBox *list : lists_)
        if (list)
            list->lineEdit()->disconnect(this);
}

void AnswerSheet::build(QWidget *c)
{
    Font red{QStringLiteral("Tahoma"), 32, true, false, QColor(255, 0, 0)};
    Font black{QStringLiteral("Tahoma"), 32, true, true, QColor(0, 0, 0)};
    Font blue{QStringLiteral("Tahoma"), 24, true, false, QColor(0, 0, 255)};
    header_ = placeLabel(c, QStringLiteral("Label2"), QString(), 216, 16, red);
    title_ = placeLabel(c, QStringLiteral("Label1"), QString(), 619, 16, black);

    const QStringList items{"А", "Б", "В", "Г", "Д"};
    for (int k = 1; k <= 20; ++k) {
        auto *b = new QPushButton(QString::number(k), c);
        b->setObjectName(QStringLiteral("Button%1").arg(k + 1));
        b->setFont(qfont(QStringLiteral("Tahoma"), 19));
        b->setGeometry(3, 51 + 30 * (k - 1), 40, 20);
        connect(b, &QPushButton::clicked, this, [this, k] { questionClicked(k); });

        auto *list = new AnswerList(c);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(k));
        list->setFont(qfont(QStringLiteral("Tahoma"), 16));
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->addItems(items);
        list->setCurrentIndex(-1);
        list->setGeometry(49, listTop(k), 50, list->sizeHint().height());
        // Only a selected item is an answer; text typed into the field is not.
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, k](int index) { model.choice[k - 1] = index + 1; });
        connect(list->lineEdit(), &QLineEdit::editingFinished, this, [this, k] { settleTyped(k); });
        lists_[k - 1] = list;

        letters_[k - 1] = placeLabel(c, QStringLiteral("Label%1").arg(15 + k), QString(), 104,
                                     listTop(k), blue);
        letters_[k - 1]->installEventFilter(this);
    }
    control_ = new QPushButton(QStringLiteral("Control"), c);
    control_->setObjectName(QStringLiteral("Button22"));
    control_->setFont(qfont(QStringLiteral("Tahoma"), 19));
    control_->setGeometry(8, 648, 75, 25);
    connect(control_, &QPushButton::clicked, this, &AnswerSheet::controlClicked);

    prepare_ = new QPushButton(model.info.prepareCaption, c);
    prepare_->setObjectName(QStringLiteral("Button23"));
    prepare_->setFont(qfont(QStringLiteral("Tahoma"), 19));
    prepare_->setGeometry(model.info.prepareLeft, 648, 75, 25);
    connect(prepare_, &QPushButton::clicked, this, &AnswerSheet::prepareClicked);
    // "X" comes after the lists and buttons, so that Tab then Space never
    // closes the sheet; only "Друк" follows it.
    auto *close = new QPushButton(QStringLiteral("X"), c);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(48, 16, 41, 25);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // "Друк" stands right of "Prepear"/"Repeat" in the empty lower row and
    // is the focus stop after "X".
    print_ = new QPushButton(QStringLiteral("Друк"), c);
    print_->setObjectName(QStringLiteral("Button24"));
    print_->setFont(qfont(QStringLiteral("Tahoma"), 19));
    print_->setGeometry(216, 648, 75, 25);
    connect(print_, &QPushButton::clicked, this, &AnswerSheet::printClicked);
    refresh();
}

void AnswerSheet::settleTyped(int k)
{
    // What the field shows is what is graded: a typed letter (a Latin A or B
    // counts as the Cyrillic one it looks like) becomes the choice; anything
    // else gives way to the chosen letter, or to nothing.
    QComboBox *l = lists_[k - 1];
    if (const int item = letterItem(l->lineEdit()->text()))
        l->setCurrentIndex(item - 1);
    l->lineEdit()->setText(l->currentIndex() >= 0 ? l->itemText(l->currentIndex()) : QString());
}

void AnswerSheet::refresh()
{
    if (!built())
        return;
    header_->setText(model.header);
    header_->adjustSize();
    title_->setText(model.title);
    title_->adjustSize();
    for (int k = 0; k < 20; ++k) {
        if (lists_[k]->currentIndex() != model.choice[k] - 1)
            lists_[k]->setCurrentIndex(model.choice[k] - 1);
        lists_[k]->setStyleSheet(listStyle(model.colour[k]));
        letters_[k]->setText(model.rightLetter[k]);
        letters_[k]->adjustSize();
        // A right letter opens its question with the solution.
        const bool link = !model.rightLetter[k].isEmpty() && openSolution;
        letters_[k]->setCursor(link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        letters_[k]->setToolTip(link ? QStringLiteral("Розв'язання запитання %1").arg(k + 1) : QString());
    }
    control_->setVisible(model.controlVisible);
    prepare_->setVisible(model.prepareVisible);
}

void AnswerSheet::questionClicked(int k)
{
    model.questionOpened(k);
    refresh();
    if (openQuestion)
        openQuestion(k);
}

void AnswerSheet::rightLetterClicked(int k)
{
    // The header keeps the time the grading showed.
    if (model.gradedAt.isValid() && !model.rightLetter[k - 1].isEmpty() && openSolution)
        openSolution(k);
}

bool AnswerSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        for (int k = 1; k <= 20; ++k)
            if (watched == letters_[k - 1]) {
                rightLetterClicked(k);
                return true;
            }
    return Window::eventFilter(watched, event);
}

void AnswerSheet::choose(int k, int item)
{
    content();
    lists_[k - 1]->setCurrentIndex(item - 1);
}

void AnswerSheet::prepareClicked()
{
    model.confirm();
    refresh();
    if (built() && model.controlVisible)
        control_->setFocus(); // Space now grades
}

void AnswerSheet::controlClicked()
{
    // The lists show their colours before a failing append is reported.
    QString failure;
    reportErrors([&failure](const QString &e) { failure = e; }, [this] { model.grade(); });
    refresh();
    if (!failure.isEmpty())
        report(failure);
    else if (graded)
        reportErrors(report, [this] { graded(model); });
}

namespace {
// Whether `path` lies in the folder `folder` or below it.
bool inside(const QString &path, const QString &folder)
{
    const QString f = QFileInfo(folder).canonicalFilePath();
    QFileInfo p(path);
    QString dir = p.absoluteDir().canonicalPath(); // the file itself may not exist yet
    return !f.isEmpty() && !dir.isEmpty() && (dir == f || dir.startsWith(f + QLatin1Char('/')));
}
} // namespace

int AnswerSheet::print(QPagedPaintDevice &device) const
{
    if (!questionPage)
        return 0;
    Variant v;
    v.seed = model.seed;
    for (int k = 1; k <= 20; ++k)
        v.pages.push_back(questionPage(k));
    return printTest(device, model.info.test, {v}, false);
}

void AnswerSheet::printClicked()
{
    if (!questionPage)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Тест %1").arg(model.info.test));
    // Printed to a file, the test goes to the learner's documents (or home),
    // never into the working folder, which only the trainer writes.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QDir::homePath();
        printer.setOutputFileName(
            QDir(folder).filePath(QStringLiteral("Тест %1.pdf").arg(model.info.test)));
    }
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Друк"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printer.outputFileName().isEmpty() && inside(printer.outputFileName(), QDir::currentPath())) {
        report(QStringLiteral("Файл друку не можна записати в робочу теку тренажера:\n%1\n"
                              "Оберіть іншу теку.")
                   .arg(QDir::toNativeSeparators(QFileInfo(printer.outputFileName()).absoluteFilePath())));
        return;
    }
    reportErrors([](const QString &e) { report(e); }, [this, &printer] { print(printer); });
}

} // namespace vzt
