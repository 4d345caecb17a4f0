#include "startup.h"

#include "question.h"

#include <QDir>
#include <QJsonArray>
#include <QScreen>
#include <QTimer>

namespace vzt {

QString workingFolderProblem(const QString &folder)
{
    const QDir dir(folder);
    QStringList lacks;
    if (!dir.exists(QStringLiteral("SpS")))
        lacks << QStringLiteral("SpS (малюнки)");
    if (!dir.exists(QStringLiteral("Ida")))
        lacks << QStringLiteral("Ida (таблиці)");
    if (lacks.isEmpty())
        return QString();
    return QStringLiteral("Тренажер запущено не в його робочій теці:\n%1\n\n"
                          "У ній немає %2 %3.\n"
                          "Запустіть тренажер з теки, де лежать SpS та Ida.")
        .arg(QDir::toNativeSeparators(dir.absolutePath()),
             lacks.size() == 1 ? QStringLiteral("теки") : QStringLiteral("тек"),
             lacks.join(QStringLiteral(" та ")));
}

Program::Program(Clock clock) : clock_(std::move(clock)) {}

Program::~Program() = default;

void Program::startUp(const ErrorSink &sink)
{
    menu_ = std::make_unique<MainMenu>();
    order_.push_back(menu_.get());
    reportErrors(sink, [this] { menu_->create(); });

    for (const TestInfo &t : tests()) {
        auto sheet = std::make_unique<AnswerSheet>(t, clock_);
        AnswerSheet *s = sheet.get();
        order_.push_back(s);
        sheets_.push_back(std::move(sheet));
        reportErrors(sink, [s] { s->model.create(); });
        s->openQuestion = [this, test = t.test](int k) { question(test, k)->openModal(); };
        s->openSolution = [this, test = t.test](int k) { question(test, k)->openWithSolution(); };
        s->questionPage = [this, test = t.test](int k) -> const Page & { return question(test, k)->page; };
        s->graded = [this](const SheetModel &m) { journalAttempt(m); };

        for (auto [form, k] : t.creationOrder()) {
            auto w = std::make_unique<QuestionWindow>(form);
            QuestionWindow *qw = w.get();
            qw->solutionAllowed = [s] { return s->model.gradedAt.isValid(); };
            order_.push_back(qw);
            questions_[form] = std::move(w);
            qw->page = commonPage(form, t.questions[k - 1].unit, t.test, k);
            reportErrors(sink, [this, qw] { runTemplate(qw->page, findTemplate(qw->number()), env_); });
        }
    }
    catalogue_ = std::make_unique<Catalogue>();
    order_.push_back(catalogue_.get());
    reportErrors(sink, [this] { catalogue_->create(); });

    menu_->openTest = [this](int test) { sheet(test)->openModal(); };
    menu_->openCatalogue = [this] { catalogue_->openModal(); };
    menu_->openResults = [this] { openResults(); };
}

void Program::journalAttempt(const SheetModel &m)
{
    AttemptRecord a;
    a.test = m.info.test;
    a.started = m.startedAt;
    a.ended = m.gradedAt;
    a.seconds = m.elapsed;
    a.errors = m.errors;
    a.logLine = m.logLine(m.elapsed);
    for (int k = 0; k < 20; ++k) {
        a.answers[k].chosen = m.choice[k];
        a.answers[k].correct = m.key[k];
        if (const QuestionWindow *w = question(m.info.test, k + 1)) {
            a.answers[k].page = describePage(w->page);
            if (hasSolution(w->page))
                a.answers[k].page["solution"] = QJsonArray::fromStringList(solve(w->page).steps);
        }
    }
    try {
        addAttempt(a);
    } catch (const Error &e) {
        throw Error(QStringLiteral("Результат записано до %1.\n%2").arg(m.info.logFile(), e.text()),
                    e.file());
    }
}

ResultsWindow *Program::results()
{
    if (!results_)
        results_ = std::make_unique<ResultsWindow>();
    return results_.get();
}

void Program::openResults()
{
    ResultsWindow *w = results();
    w->reload();
    // maximized, and where no window manager maximizes it, as large as the screen
    if (menu_)
        w->setGeometry(menu_->screen()->availableGeometry());
    w->setWindowState(w->windowState() | Qt::WindowMaximized);
    w->exec();
}

void Program::show()
{
    menu_->showAtSize();
    menu_->show();
    // The answer sheets, with their twenty drop-down lists each, are the
    // slowest windows to build: build them while the learner looks at the
    // menu, one per pass of the event loop, so that they open at once.
    for (std::size_t i = 0; i < sheets_.size(); ++i)
        QTimer::singleShot(int(20 * (i + 1)), menu_.get(), [this, i] { sheets_[i]->content(); });
}

QuestionWindow *Program::question(int test, int k)
{
    return window(testInfo(test).questions[k - 1].form);
}

QuestionWindow *Program::window(int form)
{
    auto it = questions_.find(form);
    return it == questions_.end() ? nullptr : it->second.get();
}

std::vector<Window *> Program::windows() { return order_; }

} // namespace vzt
