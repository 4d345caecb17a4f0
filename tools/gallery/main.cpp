// vzt-gallery --seed S --out DIR [--only 4,5] [--scale 2]
// Runs the trainer's start-up in the current working folder with every answer
// sheet seeding the generator with S, then writes one PNG per window
// (DIR/TForm4.png ...) and DIR/bank.json describing every question window.
// A question's PNG shows its worked solution below the window, and bank.json
// lists the solution's steps as plain text ("solution").
#include "look.h"
#include "solution.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QTextStream>

using namespace vzt;

namespace {

QJsonObject describe(Window *w)
{
    QJsonObject o;
    if (auto *q = qobject_cast<QuestionWindow *>(w)) {
        o = describePage(q->page);
        if (hasSolution(q->page)) {
            QJsonArray steps;
            for (const QString &step : solve(q->page).steps)
                steps.append(plainStep(step));
            o["solution"] = steps;
        }
    } else if (auto *s = qobject_cast<AnswerSheet *>(w)) {
        o["unit"] = s->model.info.unit;
        o["test"] = s->model.info.test;
    } else if (qobject_cast<MainMenu *>(w)) {
        o["unit"] = QStringLiteral("Zmist");
    } else {
        o["unit"] = QStringLiteral("PrVirlanRek");
    }
    o["class"] = w->className();
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    // --scale K renders the windows at device pixel ratio K, as a high-DPI
    // screen shows them; the toolkit takes it before it starts.
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--scale")
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
    QApplication app(argc, argv);
    setUpLook(app);
    QCommandLineParser cli;
    cli.addHelpOption();
    cli.addOption({"seed", "Seed every answer sheet gives the generator.", "S", "1"});
    cli.addOption({"out", "Folder for the PNG files and bank.json.", "DIR", "gallery"});
    cli.addOption({"only", "Only these windows (comma-separated class numbers).", "LIST"});
    cli.addOption({"scale", "Device pixel ratio to render at (2: a 4K screen at 200 %).", "K", "1"});
    cli.process(app);

    const quint32 seed = cli.value("seed").toUInt();
    const QString out = cli.value("out");
    QSet<int> only;
    for (const QString &n : cli.value("only").split(',', Qt::SkipEmptyParts))
        only.insert(n.toInt());
    QDir().mkpath(out);

    setFixedSeed(seed);
    QStringList errors;
    auto collect = [&errors](const QString &m) { errors << m; };
    setErrorSink(collect);
    Program program;
    program.startUp(collect);

    QJsonArray windows;
    for (Window *w : program.windows()) {
        windows.append(describe(w));
        if (!only.isEmpty() && !only.contains(w->number()))
            continue;
        QWidget *c = w->content();
        QPixmap shot = c->grab();
        auto *q = qobject_cast<QuestionWindow *>(w);
        if (q && hasSolution(q->page)) {
            // the window, a rule, and the solution under it
            std::unique_ptr<QLabel> steps(solutionLabel(nullptr, solve(q->page).steps, std::max(c->width() - 27, 900)));
            const QPixmap text = steps->grab();
            QPixmap both(std::max(c->width(), text.width() + 22), c->height() + text.height() + 28);
            both.setDevicePixelRatio(shot.devicePixelRatio());
            both.fill(c->palette().color(QPalette::Window));
            QPainter painter(&both);
            painter.drawPixmap(0, 0, shot);
            painter.setPen(QPen(QColor(0, 0, 128), 1));
            painter.drawLine(11, c->height() + 6, both.width() / shot.devicePixelRatio() - 11, c->height() + 6);
            painter.drawPixmap(11, c->height() + 16, text);
            painter.end();
            shot = both;
        }
        shot.save(QDir(out).filePath(w->className() + ".png"));
    }
    QFile f(QDir(out).filePath("bank.json"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 2;
    f.write(QJsonDocument(QJsonObject{{"seed", qint64(seed)}, {"windows", windows}}).toJson());
    QTextStream err(stderr);
    for (const QString &e : errors)
        err << "start-up error: " << e << "\n";
    err << windows.size() << " windows, " << errors.size() << " start-up errors\n";
    return 0;
}
