#include "resultswindow.h"

#include "env.h"
#include "errors.h"
#include "look.h"
#include "questionwindow.h"
#include "tests.h"

#include <QAbstractTableModel>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHeaderView>
#include <QHash>
#include <QJsonArray>
#include <QPushButton>
#include <QScrollArea>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <deque>

namespace vzt {

Results collectResults()
{
    Results r;
    std::vector<AttemptRecord> journal;
    try {
        journal = readAttempts();
    } catch (const Error &e) {
        r.problem = e.text();
    }
    for (const TestInfo &info : tests()) {
        TestResults &t = r.tests[info.test - 1];
        t.test = info.test;
        for (AttemptRecord &a : journal)
            if (a.test == info.test)
                t.journal.push_back(std::move(a));
        // Each journal attempt stands at the log entry its grading appended.
        QHash<QString, std::deque<int>> byLine;
        for (int i = 0; i < int(t.journal.size()); ++i)
            byLine[t.journal[i].logLine].push_back(i);
        std::vector<bool> placed(t.journal.size(), false);
        std::vector<LogLine> lines;
        try {
            lines = readLog(info);
        } catch (const Error &e) {
            t.problem = e.report();
        }
        int number = 0;
        for (const LogLine &l : lines) {
            ResultRow row;
            switch (l.kind) {
            case LogLine::Kind::Blank:
                continue;
            case LogLine::Kind::Other:
                row.source = ResultRow::Source::Unread;
                row.text = l.text;
                t.rows.push_back(row);
                continue;
            case LogLine::Kind::Entry:
                break;
            }
            row.number = ++number;
            row.date = l.date;
            row.time = l.time;
            row.seconds = l.seconds;
            row.errors = l.errors;
            auto it = byLine.find(l.text);
            if (it != byLine.end() && !it->empty()) {
                row.source = ResultRow::Source::Journal;
                row.journal = it->front();
                placed[row.journal] = true;
                it->pop_front();
            }
            t.rows.push_back(row);
        }
        for (int i = 0; i < int(t.journal.size()); ++i) {
            if (placed[i])
                continue;
            const AttemptRecord &a = t.journal[i];
            ResultRow row;
            row.source = ResultRow::Source::Journal;
            row.number = ++number;
            row.date = dateText(a.started.date());
            row.time = timeText(a.started.time());
            row.seconds = a.seconds;
            row.errors = a.errors;
            row.journal = i;
            t.rows.push_back(row);
        }
        for (const AttemptRecord &a : t.journal)
            for (int k = 0; k < 20; ++k)
                if (a.answers[k].chosen != a.answers[k].correct)
                    ++t.misses[k];
        for (int q = 1; q <= 20; ++q)
            t.questionOrder.push_back(q);
        std::stable_sort(t.questionOrder.begin(), t.questionOrder.end(),
                         [&t](int a, int b) { return t.misses[a - 1] > t.misses[b - 1]; });
    }
    return r;
}

namespace {

QString duration(int seconds)
{
    const QTime t = QTime(0, 0).addSecs(seconds % 86400);
    return seconds >= 3600 ? t.toString(QStringLiteral("H:mm:ss")) : t.toString(QStringLiteral("m:ss"));
}

// The list of attempts; an unread log line fills its row from the second column.
class AttemptsModel : public QAbstractTableModel {
public:
    AttemptsModel(const TestResults &t, QObject *parent) : QAbstractTableModel(parent), t_(t) {}
    int rowCount(const QModelIndex &) const override { return int(t_.rows.size()); }
    int columnCount(const QModelIndex &) const override { return 6; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        static const QStringList names{QStringLiteral("№"), QStringLiteral("Дата"),
                                       QStringLiteral("Початок"), QStringLiteral("Тривалість"),
                                       QStringLiteral("Помилок"), QStringLiteral("Записано")};
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return names[section];
        return QVariant();
    }
    QVariant data(const QModelIndex &i, int role) const override
    {
        const ResultRow &r = t_.rows[i.row()];
        if (role == Qt::ForegroundRole && r.source == ResultRow::Source::Unread)
            return QColor(110, 110, 110);
        if (role == Qt::TextAlignmentRole && i.column() != 1 && i.column() != 5)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return QVariant();
        if (r.source == ResultRow::Source::Unread)
            return i.column() == 1 ? QVariant(r.text) : QVariant();
        switch (i.column()) {
        case 0: return r.number;
        case 1: return r.date;
        case 2: return r.time;
        case 3: return duration(r.seconds);
        case 4: return r.errors;
        default:
            return r.source == ResultRow::Source::Journal ? QStringLiteral("журнал")
                                                          : testInfo(t_.test).logFile();
        }
    }

private:
    const TestResults &t_;
};

// Questions (the most missed first) against the journal's attempts.
class GridModel : public QAbstractTableModel {
public:
    GridModel(const TestResults &t, QObject *parent) : QAbstractTableModel(parent), t_(t)
    {
        for (const ResultRow &r : t.rows)
            if (r.source == ResultRow::Source::Journal)
                columns_.push_back(&r);
    }
    int rowCount(const QModelIndex &) const override { return 20; }
    int columnCount(const QModelIndex &) const override { return int(columns_.size()); }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
            return QVariant();
        if (o == Qt::Horizontal)
            return role == Qt::ToolTipRole
                ? QVariant(QStringLiteral("Спроба %1, %2 %3")
                               .arg(columns_[section]->number)
                               .arg(columns_[section]->date, columns_[section]->time))
                : QVariant(columns_[section]->number);
        const int q = t_.questionOrder[section];
        return role == Qt::ToolTipRole
            ? QVariant(QStringLiteral("Запитання %1: помилок %2").arg(q).arg(t_.misses[q - 1]))
            : QVariant(QStringLiteral("%1  (%2)").arg(q).arg(t_.misses[q - 1]));
    }
    QVariant data(const QModelIndex &i, int role) const override
    {
        const AnswerRecord &a =
            t_.journal[columns_[i.column()]->journal].answers[t_.questionOrder[i.row()] - 1];
        const bool wrong = a.chosen != a.correct;
        switch (role) {
        case Qt::DisplayRole:
            return a.chosen ? slotLetter(a.chosen) : QStringLiteral("—");
        case Qt::BackgroundRole:
            return wrong ? QColor(255, 120, 120) : QColor(170, 235, 170);
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::ToolTipRole:
            return wrong ? QStringLiteral("Обрано %1, правильно %2. Двічі клацніть, щоб побачити "
                                          "запитання з розв'язанням.")
                               .arg(a.chosen ? slotLetter(a.chosen) : QStringLiteral("нічого"),
                                    slotLetter(a.correct))
                         : QStringLiteral("Правильно");
        }
        return QVariant();
    }

    int journalOf(int column) const { return columns_[column]->journal; }

private:
    const TestResults &t_;
    std::vector<const ResultRow *> columns_;
};

QChartView *chartOf(const TestResults &t, QWidget *parent)
{
    auto *errors = new QLineSeries;
    errors->setName(QStringLiteral("Помилок"));
    auto *minutes = new QLineSeries;
    minutes->setName(QStringLiteral("Час, хв"));
    int count = 0;
    double longest = 0;
    for (const ResultRow &r : t.rows) {
        if (r.source == ResultRow::Source::Unread)
            continue;
        ++count;
        errors->append(r.number, r.errors);
        minutes->append(r.number, r.seconds / 60.0);
        longest = std::max(longest, r.seconds / 60.0);
    }
    errors->setPointsVisible(count <= 60);
    minutes->setPointsVisible(count <= 60);
    auto *chart = new QChart;
    chart->addSeries(errors);
    chart->addSeries(minutes);
    chart->setTitle(QStringLiteral("Помилки й час за спробами"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *x = new QValueAxis;
    x->setTitleText(QStringLiteral("Спроба"));
    x->setLabelFormat(QStringLiteral("%d"));
    // whole-numbered ticks, at most about a dozen
    int step = 1;
    for (int next : {2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000})
        if (count / step > 12)
            step = next;
    x->setRange(1, std::max(count, 2));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(step);
    auto *e = new QValueAxis;
    e->setTitleText(QStringLiteral("Помилок"));
    e->setLabelFormat(QStringLiteral("%d"));
    e->setRange(0, 20);
    e->setTickCount(5);
    auto *m = new QValueAxis;
    m->setTitleText(QStringLiteral("Хвилин"));
    m->setLabelFormat(QStringLiteral("%d"));
    m->setRange(0, std::max(20.0, std::ceil(longest / 20) * 20));
    m->setTickCount(5);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(e, Qt::AlignLeft);
    chart->addAxis(m, Qt::AlignRight);
    errors->attachAxis(x);
    errors->attachAxis(e);
    minutes->attachAxis(x);
    minutes->attachAxis(m);
    auto *view = new QChartView(chart, parent);
    // smooth lines where there are few enough points to see them as lines
    view->setRenderHint(QPainter::Antialiasing, count <= 200);
    return view;
}

} // namespace

ResultsWindow::ResultsWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Results"));
    setWindowTitle(QStringLiteral("Мої результати"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0)
            build(index);
    });
}

ResultsWindow::~ResultsWindow()
{
    // the pages' models read results_: the pages go first
    clear();
}

void ResultsWindow::clear()
{
    const QSignalBlocker quiet(tabs_);
    while (tabs_->count()) {
        QWidget *w = tabs_->widget(0);
        tabs_->removeTab(0);
        delete w;
    }
    built_.fill(false);
}

void ResultsWindow::reload()
{
    const int current = std::max(0, tabs_->currentIndex());
    clear();
    results_ = collectResults();
    const QSignalBlocker quiet(tabs_);
    for (const TestResults &t : results_.tests) {
        auto *p = new QWidget;
        p->setObjectName(QStringLiteral("Test%1").arg(t.test));
        new QVBoxLayout(p);
        tabs_->addTab(p, QStringLiteral("Тест %1").arg(t.test));
    }
    tabs_->setCurrentIndex(current);
    build(current);
}

QWidget *ResultsWindow::page(int test)
{
    build(test - 1);
    return tabs_->widget(test - 1);
}

void ResultsWindow::build(int index)
{
    if (built_[index])
        return;
    built_[index] = true;
    const TestResults &t = results_.tests[index];
    QWidget *p = tabs_->widget(index);
    auto *layout = static_cast<QVBoxLayout *>(p->layout());

    int inJournal = 0, best = -1;
    const ResultRow *last = nullptr;
    for (const ResultRow &r : t.rows)
        if (r.source != ResultRow::Source::Unread) {
            inJournal += r.source == ResultRow::Source::Journal;
            best = best < 0 ? r.errors : std::min(best, r.errors);
            last = &r;
        }
    QStringList summary;
    summary << (last ? QStringLiteral("Спроб: %1 (з них у журналі %2). Найменше помилок: %3. "
                                      "Остання спроба: %4 помилок за %5.")
                           .arg(last->number).arg(inJournal).arg(best).arg(last->errors)
                           .arg(duration(last->seconds))
                     : QStringLiteral("Спроб ще немає."));
    for (const QString &problem : {results_.problem, t.problem})
        if (!problem.isEmpty())
            summary << problem;
    auto *label = new QLabel(summary.join(QLatin1Char('\n')), p);
    label->setObjectName(QStringLiteral("summary"));
    label->setFont(qfont(QStringLiteral("Tahoma"), 16, true));
    layout->addWidget(label);

    auto *top = new QGridLayout;
    auto *attempts = new QTableView(p);
    attempts->setObjectName(QStringLiteral("attempts"));
    attempts->setModel(new AttemptsModel(t, attempts));
    attempts->verticalHeader()->hide();
    attempts->verticalHeader()->setDefaultSectionSize(22);
    attempts->setSelectionBehavior(QAbstractItemView::SelectRows);
    attempts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    attempts->setColumnWidth(0, 44);
    attempts->setColumnWidth(1, 96);
    attempts->setColumnWidth(2, 72);
    attempts->setColumnWidth(3, 86);
    attempts->setColumnWidth(4, 72);
    attempts->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < int(t.rows.size()); ++i)
        if (t.rows[i].source == ResultRow::Source::Unread)
            attempts->setSpan(i, 1, 1, 5);
    attempts->setMinimumWidth(500);
    attempts->scrollToBottom();
    top->addWidget(attempts, 0, 0);
    QChartView *chart = chartOf(t, p);
    chart->setObjectName(QStringLiteral("chart"));
    chart->setMinimumSize(420, 300);
    top->addWidget(chart, 0, 1);
    top->setColumnStretch(1, 1);
    layout->addLayout(top, 3);

    auto *caption = new QLabel(
        QStringLiteral("Запитання за спробами з журналу (червоне — помилка; у дужках — скільки разів):"), p);
    caption->setFont(qfont(QStringLiteral("Tahoma"), 14, true));
    layout->addWidget(caption);
    auto *grid = new QTableView(p);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setModel(new GridModel(t, grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->horizontalHeader()->setDefaultSectionSize(34);
    grid->horizontalHeader()->setMinimumSectionSize(20);
    grid->verticalHeader()->setDefaultSectionSize(20);
    layout->addWidget(grid, 4);
    connect(grid, &QTableView::doubleClicked, this, [this, index, grid](const QModelIndex &i) {
        const TestResults &tr = results_.tests[index];
        const auto *model = static_cast<const GridModel *>(grid->model());
        const int j = model->journalOf(i.column());
        const int k = tr.questionOrder[i.row()];
        const AnswerRecord &a = tr.journal[j].answers[k - 1];
        if (a.chosen != a.correct)
            if (QDialog *d = missedQuestion(index + 1, j, k))
                d->exec();
    });
    grid->setMinimumHeight(160);
    // the latest attempts in sight, once the grid has its width
    QTimer::singleShot(0, grid, [grid] {
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    });
}

QWidget *answerView(const QJsonObject &description, int chosen, int correct)
{
    Page page = pageFromDescription(description);
    for (ImageItem &i : page.images)
        if (!i.file.isEmpty()) {
            try {
                i.picture = readPicture(i.file);
            } catch (const Error &) {
                // a picture gone from the folder leaves its box empty
            }
        }
    auto *view = new QWidget;
    renderPage(page, view, nullptr);
    if (auto *x = view->findChild<QPushButton *>(QStringLiteral("Button1")))
        x->hide();
    QRect shown;
    for (QWidget *w : view->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            shown |= w->geometry();
    Font red{QStringLiteral("Tahoma"), 22, true, false, QColor(200, 0, 0)};
    QLabel *answers = placeLabel(
        view, QStringLiteral("answers"),
        QStringLiteral("Обрано: %1.   Правильна відповідь: %2.")
            .arg(chosen ? slotLetter(chosen) : QStringLiteral("нічого"), slotLetter(correct)),
        11, shown.bottom() + 14, red);
    QStringList steps;
    for (const QJsonValue &v : description["solution"].toArray())
        steps << v.toString();
    QLabel *solution = steps.isEmpty()
        ? placeLabel(view, QStringLiteral("Solution"),
                     QStringLiteral("Розв'язання цього запитання журнал не зберіг."), 11, 0, Font{})
        : solutionLabel(view, steps, std::max(shown.width() - 11, 900));
    solution->setObjectName(QStringLiteral("Solution"));
    solution->move(11, answers->geometry().bottom() + 12);
    view->setFixedSize(std::max(shown.right(), solution->geometry().right()) + 16,
                       solution->geometry().bottom() + 16);
    return view;
}

QDialog *ResultsWindow::missedQuestion(int test, int journalIndex, int k)
{
    const AttemptRecord &a = results_.tests[test - 1].journal[journalIndex];
    QJsonObject description;
    try {
        description = readPages(a.id)[k - 1];
    } catch (const Error &e) {
        report(e.text());
        return nullptr;
    }
    auto *d = new QDialog(this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setObjectName(QStringLiteral("MissedQuestion"));
    int number = journalIndex + 1;
    for (const ResultRow &r : results_.tests[test - 1].rows)
        if (r.journal == journalIndex)
            number = r.number;
    d->setWindowTitle(QStringLiteral("Тест %1, запитання %2, спроба %3").arg(test).arg(k).arg(number));
    auto *layout = new QVBoxLayout(d);
    auto *scroll = new QScrollArea(d);
    scroll->setWidget(answerView(description, a.answers[k - 1].chosen, a.answers[k - 1].correct));
    layout->addWidget(scroll);
    d->resize(std::min(scroll->widget()->width() + 40, 1200), std::min(scroll->widget()->height() + 40, 760));
    return d;
}

} // namespace vzt
