#pragma once
#include "question.h"

#include <QHash>
#include <QSet>
#include <map>

namespace vzt {

// The program's environment: the shared generator, tables and pictures read
// from the working folder, keys written to "stat_T_Q.txt" (and, for Test 10,
// to the key list "stt10.txt").
class FileEnv : public Env {
public:
    Rng &rng() override { return generator(); }
    QByteArray table(const QString &name) override;
    QImage picture(const QString &name) override;
    void writeKey(int test, int question, int key) override;

private:
    QHash<QString, QImage> pictures_; // a picture named twice is read once
};

// Reads a BMP picture; raises the toolkit-style "Cannot open file" error.
QImage readPicture(const QString &name);

// The twin of a picture for high-DPI screens: "SpS\x.bmp" -> "SpS/x@2x.png",
// the same drawing at twice the size. A null image (never an error) when it
// is missing, unreadable or not exactly twice `size`.
QImage readTwin(const QString &name, QSize size);
QString twinPath(const QString &name);
int twinReads(); // how many twins were read (for tests)

// Key file of question Q of test T and the Test 10 key list.
QString keyFileName(int test, int question);
inline const QString kKeyList = QStringLiteral("stt10.txt");
void writeKeyFile(int test, int question, int key);
void updateKeyList(int question, int key);

// An environment without side effects, for the bank check, tests and the
// printed tests: its own generator, tables read once and kept, pictures only
// checked to exist (or, with `readPictures`, read once and kept, raising as
// the program's reading does), keys kept in memory.
class MemoryEnv : public Env {
public:
    explicit MemoryEnv(QString folder = QString()) : folder_(std::move(folder)) {}
    Rng generator;
    bool readPictures = false;
    std::map<std::pair<int, int>, int> keys;
    QSet<QString> picturesNamed;
    QSet<QString> missingPictures;
    // Row draws: a forced row (1..) replaces the drawn one, after the draw,
    // so that the bank check can build a question from every row of its
    // table; `rowsDrawn` is the table size of the last row draw.
    int forcedRow = 0;
    int rowsDrawn = 0;
    int pickRow(int rows) override
    {
        rowsDrawn = rows;
        const int drawn = Env::pickRow(rows);
        return forcedRow > 0 ? std::min(forcedRow, rows) : drawn;
    }

    Rng &rng() override { return generator; }
    QByteArray table(const QString &name) override;
    // The same integers as reading from the table's start, found through an
    // index of its lines (the bank check reads large tables many times).
    std::vector<long long> row(const QString &name, int r, int k) override;
    QImage picture(const QString &name) override;
    void writeKey(int test, int question, int key) override { keys[{test, question}] = key; }

private:
    QString folder_;
    QHash<QString, QByteArray> tables_;
    QHash<QString, std::vector<qsizetype>> lines_;
    QHash<QString, bool> exists_;
    QHash<QString, QImage> pictures_;
};

// The page of question window `form` generated as at start-up, with `env`'s
// own generator seeded with `seed` (tests and the bank check). Raises what
// the template raises.
Page generatePage(int form, std::uint32_t seed, MemoryEnv &env);

} // namespace vzt
