// vzt-bankcheck: builds every question of the bank for many generator seeds
// and checks what a learner would get.
//
//   vzt-bankcheck --seeds N [--dump FILE] [--only UNIT,UNIT...] [--solutions]
//                [--print N]
//
// Run in the working folder (it reads SpS and Ida from there). For every
// template and seeds 1..N the page is built as at start-up, with the
// generator seeded with the seed, and checked:
//   - no error is raised and the options are dealt (page.generated);
//   - the deal is a permutation, the key lies in 1..5, it is the slot of the
//     right option and it is what the key file would receive;
//   - every slot shows the option dealt to it (text, stacked fraction or
//     picture), so the keyed slot shows the right option;
//   - no option form is empty or shows "nan", "inf" or a negative zero;
//   - the five option forms are different (unless allowed below);
//   - every picture the page names exists;
//   - the question's verifier, where one is registered, agrees;
//   - a question drawn from a table is also built once from every row of
//     it, and each such page is checked the same way;
//   - its worked solution has 2 to 6 steps, its last step names the keyed
//     option with its slot letter, and every equality of numbers that a step
//     states holds exactly (with --solutions, every question must have one).
// One line per question; exit status 1 on any failure. With --print, the
// question lines and the solution of seeds 1..N are printed as plain text.
//
// With --dump, the distinct variants of each question (what the learner
// sees, whatever the deal) are written as JSON for tools/gen/check_content.py:
// up to kDumpCap per question, and always every distinct set of pictures.
#include "env.h"
#include "errors.h"
#include "files.h"
#include "question.h"
#include "solution.h"
#include "verify.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

using namespace vzt;

namespace {

constexpr int kDumpCap = 2000;
constexpr int kFailuresShown = 5;

// Questions whose five option forms may repeat one another, with the reason.
const std::map<std::string, const char *> kSameFormsAllowed = {
};

// Questions that show their options in their own way (not one option per
// slot label or slot picture), with the reason. They are still checked for
// the key and by their verifier.
const std::map<std::string, const char *> kOwnSlotDisplay = {
};

// ---- what the learner sees

void jsonString(QByteArray &out, const QString &s)
{
    out += '"';
    const QByteArray u = s.toUtf8();
    for (char ch : u) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void jsonList(QByteArray &out, const QStringList &l)
{
    out += '[';
    for (int i = 0; i < l.size(); ++i) {
        if (i)
            out += ',';
        jsonString(out, l[i]);
    }
    out += ']';
}

bool isLetterLabel(const QString &name)
{
    return std::find(kLetterLabels.begin(), kLetterLabels.end(), name) != kLetterLabels.end();
}

std::size_t mix(std::size_t h)
{
    // a 64-bit finaliser, so that sums of hashes do not cancel
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

bool shownLabel(const LabelItem &l)
{
    if (l.text.isEmpty() || isLetterLabel(l.name))
        return false;
    return !(l.name == QLatin1String("Label5") && l.text == kInstruction);
}

// What the learner sees, whatever the deal: the options and their forms, the
// right option, and the texts and pictures shown taken as multisets (the deal
// only moves them between slots).
std::size_t identity(const Page &page)
{
    std::size_t h = mix(std::size_t(page.right) * 2 + (page.pictureOptions ? 1 : 0));
    for (int i = 0; i < page.options.size(); ++i)
        h = mix(h ^ qHash(page.options[i], 11 + i));
    for (int i = 0; i < page.optionForms.size(); ++i)
        h = mix(h ^ qHash(page.optionForms[i], 23 + i));
    std::size_t labels = 0, images = 0;
    for (const auto &l : page.labels)
        if (shownLabel(l))
            labels += mix(qHash(l.text, 7));
    for (const auto &i : page.images)
        if (!i.file.isEmpty())
            images += mix(qHash(i.file, 5));
    return mix(h ^ labels) + mix(images ^ 0x9e3779b97f4a7c15ULL);
}

QByteArray pictureSet(const Page &page)
{
    QStringList files;
    for (const auto &i : page.images)
        if (!i.file.isEmpty())
            files << i.file;
    files.sort();
    files.removeDuplicates();
    return files.join('\n').toUtf8();
}

QByteArray dumpEntry(const Page &page)
{
    QByteArray labels = "{", images = "{";
    for (const auto &l : page.labels) {
        if (!shownLabel(l))
            continue;
        if (labels.size() > 1)
            labels += ',';
        jsonString(labels, l.name);
        labels += ':';
        jsonString(labels, l.text);
    }
    for (const auto &i : page.images) {
        if (i.file.isEmpty())
            continue;
        if (images.size() > 1)
            images += ',';
        jsonString(images, i.name);
        images += ':';
        jsonString(images, i.file);
    }
    labels += '}';
    images += '}';
    QByteArray j = "{\"options\":";
    jsonList(j, page.options);
    j += ",\"forms\":";
    jsonList(j, page.optionForms);
    j += ",\"right\":" + QByteArray::number(page.right);
    j += ",\"picture_options\":";
    j += page.pictureOptions ? "true" : "false";
    j += ",\"deal\":[";
    for (int k = 0; k < 5; ++k) {
        if (k)
            j += ',';
        j += QByteArray::number(page.deal[k]);
    }
    j += "],\"key\":" + QByteArray::number(page.key);
    j += ",\"labels\":" + labels + ",\"images\":" + images + '}';
    return j;
}

// ---- generic checks

const QRegularExpression &badNumber()
{
    // "nan"/"inf" as words; a unary minus before a number whose value is 0.
    static const QRegularExpression re(
        QStringLiteral("(?<![A-Za-z])(nan|inf)(?![A-Za-z])|(?<![\\w)\\]])[-\u2212]0+(?:[.,]0*)?(?![\\d.,]*[1-9])(?![\\d])"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString showOption(const QString &s)
{
    QString t = s;
    t.replace(QChar(5), QStringLiteral("\\5"));
    t.replace(QChar(7), QStringLiteral("\\7"));
    return "\"" + t + "\"";
}

void checkPage(const Page &page, const MemoryEnv &env, const TemplateInfo &info,
               QHash<QString, bool> &formOk, QStringList &fail)
{
    if (!page.generated) {
        fail << "the options were not dealt";
        return;
    }
    if (page.options.size() != 5 || page.optionForms.size() != 5) {
        fail << "not five options";
        return;
    }
    Deal sorted = page.deal;
    std::sort(sorted.begin(), sorted.end());
    if (sorted != Deal{1, 2, 3, 4, 5}) {
        fail << "the deal is not a permutation";
        return;
    }
    if (page.right < 1 || page.right > 5)
        fail << QStringLiteral("right option %1 is not 1..5").arg(page.right);
    else if (page.key != keyOf(page.deal, page.right))
        fail << QStringLiteral("key %1 is not the slot of the right option %2")
                    .arg(page.key)
                    .arg(page.right);
    const auto written = env.keys.find({info.test, info.question});
    if (written == env.keys.end())
        fail << "no key written";
    else if (written->second != page.key)
        fail << QStringLiteral("key written %1, page key %2").arg(written->second).arg(page.key);
    if (env.keys.size() > 1)
        fail << QStringLiteral("keys written for %1 questions").arg(env.keys.size());

    // Every slot shows its option.
    if (!kOwnSlotDisplay.count(info.unit)) {
        for (int k = 1; k <= 5; ++k) {
            const int opt = page.deal[k - 1];
            const QString &want = page.options[opt - 1];
            if (page.pictureOptions) {
                const ImageItem *img = page.findImage(kSlotImages[k - 1]);
                if (!img || img->file != want)
                    fail << QStringLiteral("slot %1 shows picture %2, not option %3 %4")
                                .arg(k)
                                .arg(img ? img->file : QStringLiteral("(none)"))
                                .arg(opt)
                                .arg(want);
            } else {
                const LabelItem *l = page.findLabel(kSlotLabels[k - 1]);
                const QString shown = l ? l->text : QString();
                const QString &form = page.optionForms[opt - 1];
                const bool plain = shown == want;
                // A stacked fraction shows its numerator and keeps "num/den" as its form.
                const bool stacked = !shown.isEmpty() && form.startsWith(shown + "/");
                if (!plain && !stacked)
                    fail << QStringLiteral("slot %1 shows %2, not option %3 %4")
                                .arg(k)
                                .arg(showOption(shown))
                                .arg(opt)
                                .arg(showOption(want));
            }
        }
    }

    for (int i = 0; i < 5; ++i) {
        const QString &f = page.optionForms[i];
        auto known = formOk.constFind(f);
        if (known == formOk.constEnd())
            known = formOk.insert(f, !f.trimmed().isEmpty() && !badNumber().match(f).hasMatch());
        if (*known)
            continue;
        if (f.trimmed().isEmpty())
            fail << QStringLiteral("option %1 is empty").arg(i + 1);
        else
            fail << QStringLiteral("option %1 %2 shows nan, inf or a negative zero")
                        .arg(i + 1)
                        .arg(showOption(f));
    }
    if (!kSameFormsAllowed.count(info.unit)) {
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j)
                if (page.optionForms[i] == page.optionForms[j])
                    fail << QStringLiteral("options %1 and %2 look the same: %3")
                                .arg(i + 1)
                                .arg(j + 1)
                                .arg(showOption(page.optionForms[i]));
    }
}

struct Stats {
    QString unit;
    int seeds = 0;
    int variants = 0;
    int dumped = 0;
    int keys[6] = {0, 0, 0, 0, 0, 0};
    bool verifier = false;
    int solved = 0;      // pages with a worked solution
    long equalities = 0; // equalities its steps state, evaluated
    int longest = 0;     // characters of the longest solution, as plain text
    int rows = 0;        // rows of the question's table, each built once
    int failures = 0;
    QStringList shown;
};

void usage()
{
    std::fprintf(stderr, "usage: vzt-bankcheck --seeds N [--dump FILE] [--only UNIT,...] [--solutions] [--print N]\n");
}

} // namespace

int main(int argc, char **argv)
{
    int seeds = 0;
    QString dumpFile;
    QSet<QString> only;
    bool needSolutions = false;
    int printSeeds = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--seeds" && i + 1 < argc)
            seeds = std::atoi(argv[++i]);
        else if (a == "--dump" && i + 1 < argc)
            dumpFile = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--print" && i + 1 < argc)
            printSeeds = std::atoi(argv[++i]);
        else if (a == "--solutions")
            needSolutions = true;
        else if (a == "--only" && i + 1 < argc)
            for (const QString &u : QString::fromLocal8Bit(argv[++i]).split(',', Qt::SkipEmptyParts))
                only.insert(u.trimmed());
        else {
            usage();
            return 2;
        }
    }
    if (seeds < 1) {
        usage();
        return 2;
    }

    std::map<std::string, Verifier> verifierOf;
    for (const auto &v : verifiers())
        verifierOf[v.unit] = v.fn;
    std::vector<TemplateInfo> list = templates();
    std::sort(list.begin(), list.end(), [](const TemplateInfo &a, const TemplateInfo &b) {
        return a.test != b.test ? a.test < b.test : a.question < b.question;
    });
    {
        std::set<std::string> known;
        for (const auto &t : list)
            known.insert(t.unit);
        for (const auto &v : verifiers())
            if (!known.count(v.unit))
                std::printf("warning: verifier %s has no template\n", v.unit);
    }

    QFile dump;
    if (!dumpFile.isEmpty()) {
        dump.setFileName(dumpFile);
        if (!dump.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dumpFile));
            return 2;
        }
        // A dump of some questions only (--only) says so: the content check
        // then passes over the checks of the others.
        dump.write("{\"seeds\":" + QByteArray::number(seeds)
                   + (only.isEmpty() ? "" : ",\"partial\":true") + ",\"questions\":[\n");
    }

    QElapsedTimer timer;
    timer.start();
    MemoryEnv env;
    int total = 0, failedQuestions = 0, checked = 0, solvedQuestions = 0;
    bool firstQuestion = true;
    for (const TemplateInfo &info : list) {
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(info.unit)))
            continue;
        ++checked;
        const qint64 questionStart = timer.nsecsElapsed();
        Stats st;
        st.unit = QString::fromLatin1(info.unit);
        st.seeds = seeds;
        const auto vit = verifierOf.find(info.unit);
        st.verifier = vit != verifierOf.end();
        std::unordered_set<std::size_t> seen;
        QSet<QByteArray> pictureSets;
        QByteArray entries;
        QHash<QString, bool> formOk;
        auto note = [&](const QString &where, const QString &what) {
            ++st.failures;
            if (st.shown.size() < kFailuresShown)
                st.shown << where + ": " + what;
        };
        // One page built with `seed` (and, where forced, the table row
        // `row`) and checked; the first pages are dumped and printed.
        auto checkOne = [&](int seed, int row, const QString &where) {
            auto build = [&](Page &page, QString &error) {
                env.generator.seed = std::uint32_t(seed);
                env.keys.clear();
                env.forcedRow = row;
                page = commonPage(info.form, st.unit, info.test, info.question);
                try {
                    runTemplate(page, &info, env);
                } catch (const Error &e) {
                    error = e.text();
                } catch (const std::exception &e) {
                    error = QString::fromUtf8(e.what());
                }
                env.forcedRow = 0;
            };
            Page page;
            QString error;
            build(page, error);
            if (!error.isEmpty()) {
                note(where, "error: " + error);
                return;
            }
            QStringList fail;
            checkPage(page, env, info, formOk, fail);
            if (!env.missingPictures.isEmpty())
                for (const ImageItem &i : page.images)
                    if (env.missingPictures.contains(i.file))
                        fail << "missing picture " + i.file;
            if (st.verifier) {
                Verdict verdict(page);
                try {
                    vit->second(page, verdict);
                } catch (const std::exception &e) {
                    verdict.failures << QStringLiteral("verifier raised: %1").arg(e.what());
                }
                for (const QString &f : verdict.failures)
                    fail << "verifier: " + f;
            }
            if (hasSolution(page)) {
                const Solution sol = solve(page);
                int eq = 0;
                for (const QString &f : checkSolution(page, sol, &eq))
                    fail << "solution: " + f;
                ++st.solved;
                st.equalities += eq;
                // the plain text is never longer than the rich text: read it
                // only where it may be the longest
                const QString rich = sol.steps.join(' ');
                if (rich.size() > st.longest)
                    st.longest = std::max<int>(st.longest, int(plainStep(rich).size()));
                if (row == 0 && seed <= printSeeds) {
                    std::printf("--- %s seed %d\n", info.unit, seed);
                    for (const QString &name : kLineLabels)
                        if (const LabelItem *l = page.findLabel(name); l && !l->text.isEmpty())
                            std::printf("  | %s\n", qPrintable(displayText(l->text)));
                    QStringList forms;
                    for (int k = 1; k <= 5; ++k)
                        forms << slotLetter(k) + ") " + displayText(page.optionForms.value(page.deal[k - 1] - 1));
                    std::printf("  | %s\n", qPrintable(forms.join("   ")));
                    for (const QString &step : sol.steps)
                        std::printf("  * %s\n", qPrintable(plainStep(step)));
                }
            } else if (needSolutions) {
                fail << "no worked solution";
            }
            for (const QString &f : fail)
                note(where, f);
            if (row)
                return;
            if (page.key >= 1 && page.key <= 5)
                ++st.keys[page.key];

            if (seen.insert(identity(page)).second) {
                ++st.variants;
                if (dump.isOpen()) {
                    const QByteArray pics = pictureSet(page);
                    const bool newPictures = !pictureSets.contains(pics);
                    if (st.dumped < kDumpCap || newPictures) {
                        if (st.dumped)
                            entries += ",\n";
                        entries += dumpEntry(page);
                        ++st.dumped;
                    }
                    pictureSets.insert(pics);
                }
            }
        };
        env.rowsDrawn = 0;
        for (int seed = 1; seed <= seeds; ++seed)
            checkOne(seed, 0, QStringLiteral("seed %1").arg(seed));
        // A question drawn from a table: built once from every row of it.
        const int rows = env.rowsDrawn;
        for (int r = 1; r <= rows; ++r)
            checkOne(r, r, QStringLiteral("row %1").arg(r));
        st.rows = rows;
        total += seeds;
        if (st.failures)
            ++failedQuestions;
        if (st.solved)
            ++solvedQuestions;
        std::printf("%-6s test %2d q %2d  seeds %d  variants %5d  keys %d/%d/%d/%d/%d  verifier %s  "
                    "rows %d  solution %s (%ld equalities, longest %d)  failures %d  %.2f s\n",
                    info.unit, info.test, info.question, st.seeds, st.variants, st.keys[1], st.keys[2],
                    st.keys[3], st.keys[4], st.keys[5], st.verifier ? "yes" : "no ", st.rows,
                    st.solved ? "yes" : "no ", st.equalities, st.longest, st.failures,
                    (timer.nsecsElapsed() - questionStart) / 1e9);
        for (const QString &s : st.shown)
            std::printf("    %s\n", qPrintable(s));
        if (dump.isOpen()) {
            QByteArray q;
            if (!firstQuestion)
                q += ",\n";
            firstQuestion = false;
            q += "{\"unit\":";
            jsonString(q, st.unit);
            q += ",\"test\":" + QByteArray::number(info.test);
            q += ",\"question\":" + QByteArray::number(info.question);
            q += ",\"form\":" + QByteArray::number(info.form);
            q += ",\"variants_seen\":" + QByteArray::number(st.variants);
            q += ",\"variants\":[\n" + entries + "\n]}";
            dump.write(q);
        }
        std::fflush(stdout);
    }
    if (dump.isOpen()) {
        dump.write("\n]}\n");
        dump.close();
    }
    std::printf("bank check: %d questions (%d with a worked solution), %d pages in %.1f s; %d question%s failed\n",
                checked, solvedQuestions, total, timer.elapsed() / 1000.0, failedQuestions,
                failedQuestions == 1 ? "" : "s");
    return failedQuestions ? 1 : 0;
}
