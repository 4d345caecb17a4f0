// vzt-print --test N [--variants K] [--seed S] --out FILE.pdf
// Prints K variants of test N (each a fresh draw of its twenty questions from
// its own seed, as the answer sheet would draw them) to an A4 PDF, followed by
// a page with every variant's right letters. Run it in the trainer's working
// folder; it reads the pictures and tables there and writes only FILE.pdf.
// Bad input is told on stderr with exit status 2.
#include "look.h"
#include "printout.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTextStream>

#include <chrono>

using namespace vzt;

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "vzt-print: " << message << "\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Nothing is shown: no window system is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpLook(app);
    QCommandLineParser cli;
    cli.setApplicationDescription(
        QStringLiteral("Prints variants of a test, and their answer key, to an A4 PDF."));
    cli.addHelpOption();
    cli.addOption({"test", "The test to print, 1 to 10.", "N"});
    cli.addOption({"variants", "How many variants, 1 to 50.", "K", "1"});
    cli.addOption({"seed", "Seed of the first variant (default: from the clock).", "S"});
    cli.addOption({"out", "The PDF file to write.", "FILE.pdf"});
    if (!cli.parse(app.arguments()))
        return fail(cli.errorText());
    if (cli.isSet("help"))
        cli.showHelp(0);
    if (!cli.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument: %1").arg(cli.positionalArguments().first()));

    bool ok = false;
    const int test = cli.value("test").toInt(&ok);
    if (!cli.isSet("test"))
        return fail(QStringLiteral("--test N is required (N: 1 to 10)"));
    if (!ok || test < 1 || test > 10)
        return fail(QStringLiteral("unknown test \"%1\": the tests are 1 to 10").arg(cli.value("test")));
    const int count = cli.value("variants").toInt(&ok);
    if (!ok || count < 1 || count > 50)
        return fail(QStringLiteral("--variants must be 1 to 50, not \"%1\"").arg(cli.value("variants")));
    std::uint32_t seed = 0;
    if (cli.isSet("seed")) {
        seed = cli.value("seed").toUInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed must be a whole number 0 to 4294967295, not \"%1\"")
                            .arg(cli.value("seed")));
    } else {
        seed = std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    const QString out = cli.value("out");
    if (out.isEmpty())
        return fail(QStringLiteral("--out FILE.pdf is required"));
    // Only a PDF name: a slip can never overwrite a result log or a key file.
    if (!out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return fail(QStringLiteral("the output \"%1\" must be a .pdf file").arg(out));
    if (const QString problem = workingFolderProblem(QDir::currentPath()); !problem.isEmpty())
        return fail(problem.section('\n', 0, 3).simplified()); // without the advice to start the trainer

    std::vector<Variant> variants;
    MemoryEnv env;
    env.readPictures = true;
    try {
        for (int v = 1; v <= count; ++v) {
            variants.push_back(generateVariant(test, variantSeed(seed, v), env));
            variants.back().number = v;
        }
    } catch (const Error &e) {
        return fail(e.text());
    }

    QFile file(out);
    const bool existed = file.exists();
    if (QFileInfo(out).isDir() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("cannot write \"%1\": %2")
                        .arg(out, QFileInfo(out).isDir() ? QStringLiteral("it is a folder")
                                                         : file.errorString()));
    QPdfWriter pdf(&file);
    pdf.setTitle(QStringLiteral("Тест %1").arg(test));
    pdf.setCreator(QStringLiteral("VZT Trainer"));
    pdf.setResolution(600);
    int pages = 0;
    try {
        pages = printTest(pdf, test, variants, true);
    } catch (const Error &e) {
        file.close();
        if (!existed)
            file.remove();
        return fail(e.text());
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.close();
        if (!existed)
            file.remove();
        return fail(QStringLiteral("cannot write \"%1\": %2").arg(out, why));
    }
    file.close();
    QTextStream o(stdout);
    for (const Variant &v : variants)
        o << "variant " << v.number << ": seed " << *v.seed << "\n";
    o << out << ": " << pages << " pages\n";
    return 0;
}
