// The results journal "results.sqlite" opened whatever the file holds: the
// results window reads it (attempts, then one attempt's pages) and a grading
// adds an attempt. Each either works or raises the program's error with the
// reason for the learner; an attempt the journal took is then read back.
//
// With VZT_FUZZ_MAKE_SEED=FILE the target writes a journal of two attempts to
// FILE and ends (tools/fuzz/run.sh seeds the corpus with it).
#include "fuzz_common.h"
#include "journal.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {
vzt::AttemptRecord attempt(int test)
{
    vzt::AttemptRecord a;
    a.test = test;
    a.started = QDateTime(QDate(2026, 12, 10), QTime(9, 0, 0));
    a.ended = a.started.addSecs(754);
    a.seconds = 754;
    a.errors = 3;
    a.logLine = QStringLiteral("Розпочато 10.12.2026 o 9:00:00  ВЗТ 01 Загальний час 754 сек. Помилок 3");
    for (int k = 0; k < 20; ++k) {
        a.answers[k].chosen = k % 6;
        a.answers[k].correct = 1 + k % 5;
        a.answers[k].page = QJsonObject{{"unit", QStringLiteral("QN%1").arg(k + 1)},
                                        {"lines", QJsonArray{QStringLiteral("x² = 4")}}};
    }
    return a;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    if (const QString seed = qEnvironmentVariable("VZT_FUZZ_MAKE_SEED"); !seed.isEmpty()) {
        QFile::remove(seed);
        vzt::addAttempt(attempt(1), seed);
        vzt::addAttempt(attempt(2), seed);
        std::exit(0);
    }
    fuzz::enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile::remove(vzt::kJournalFile + QStringLiteral("-journal"));
    fuzz::writeBytes(vzt::kJournalFile, data, size);
    std::size_t before = 0;
    bool readable = false;
    fuzz::readsOrReports([&] {
        const auto attempts = vzt::readAttempts();
        before = attempts.size();
        readable = true;
        if (!attempts.empty())
            vzt::readPages(attempts.front().id);
    }, {});
    bool added = false;
    fuzz::readsOrReports([&] {
        vzt::addAttempt(attempt(3));
        added = true;
    }, {});
    if (added && readable) {
        const auto after = vzt::readAttempts();
        if (after.size() != before + 1 || after.back().test != 3 || after.back().errors != 3)
            fuzz::fail("an attempt the journal took is not read back");
    }
    return 0;
}
