// The installed program: `cmake --install` into a temporary prefix, then the
// installed launcher started as a learner starts it, with a temporary HOME on
// the offscreen platform. The learner's folder is made at the first start;
// the learner's files (logs, results) come through later starts and a
// re-install byte for byte; a changed table in the install reaches the
// folder; a folder that cannot be written gets exit status 2 and nothing.
#include "env.h"
#include "files.h"
#include "sheetmodel.h"
#include "tests.h"
#include "workfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace vzt;

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

// path -> bytes of every file under `root`, and every folder (as an empty
// entry ending in "/").
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        const QString rel = QDir(root).relativeFilePath(fi.filePath());
        if (fi.isDir()) {
            files.insert(rel + "/", {});
        } else {
            QFile f(fi.filePath());
            f.open(QIODevice::ReadOnly);
            files.insert(rel, f.readAll());
        }
    }
    return files;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QStringList kLogs = [] {
    QStringList l;
    for (int t = 1; t <= 10; ++t)
        l << QStringLiteral("stat%1.txt").arg(t, 2, 10, QLatin1Char('0'));
    return l;
}();

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir prefix_;
    QString launcher_;
    QString data_;

    void install()
    {
        QProcess p;
        p.start(QStringLiteral(VZT_CMAKE),
                {"--install", QStringLiteral(VZT_BUILD), "--prefix", prefix_.path()});
        QVERIFY(p.waitForFinished(120000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    }

    // The installed launcher with `args`, HOME set to `home`, closing its
    // main menu by itself half a second after showing it.
    Run start(const QString &home, const QStringList &args = {},
              const QMap<QString, QString> &env = {})
    {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove("XDG_DATA_HOME");
        e.remove("VZT_FOLDER");
        e.insert("HOME", home);
        e.insert("VZT_QUIT_AFTER_MS", "500");
        for (auto it = env.begin(); it != env.end(); ++it)
            e.insert(it.key(), it.value());
        p.setProcessEnvironment(e);
        p.setWorkingDirectory(home);
        p.start(launcher_, args);
        Run r;
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            r.err = "the launcher did not end within a minute";
            return r;
        }
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    // Test 2 answered and graded twice in `folder`, against the keys the
    // trainer wrote there at its start: one wrong answer, then none.
    void gradeTwice(const QString &folder)
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder);
        for (int wrong : {1, 0}) {
            SheetModel m(testInfo(2), [] { return QDateTime(QDate(2026, 3, 12), QTime(9, 6, 7)); });
            m.startDate = QStringLiteral("12.03.2026");
            m.startTime = QStringLiteral("9:05:07");
            m.startSecond = secondOfDay(m.startTime);
            for (int k = 0; k < 20; ++k) {
                const int key = readFile(keyFileName(2, k + 1)).trimmed().toInt();
                m.choice[k] = k < wrong ? key % 5 + 1 : key;
            }
            m.confirm();
            m.grade();
            QCOMPARE(m.errors, wrong);
        }
        QDir::setCurrent(previous);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        install();
        launcher_ = prefix_.filePath("bin/vzt-trainer");
        data_ = prefix_.filePath("share/vzt-trainer");
        QVERIFY(QFileInfo(launcher_).isExecutable());
        QVERIFY(QFileInfo(prefix_.filePath("lib/vzt-trainer/vzt-trainer")).isExecutable());
        QVERIFY(QFileInfo::exists(prefix_.filePath("share/applications/vzt-trainer.desktop")));
        for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(prefix_.filePath(
                QStringLiteral("share/icons/hicolor/%1x%1/apps/vzt-trainer.png").arg(n)));
            QCOMPARE(icon.size(), QSize(n, n));
            QVERIFY(icon.hasAlphaChannel());
        }
        // only what serves learners
        QVERIFY(!QFileInfo::exists(prefix_.filePath("bin/vzt-gallery")));
        QVERIFY(!QFileInfo::exists(prefix_.filePath("bin/vzt-bankcheck")));
    }

    void versionIsTheProjects()
    {
        QTemporaryDir home;
        const Run r = start(home.path(), {"--version"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("vzt-trainer " VZT_VERSION "\n"));
        QCOMPARE(programVersion(), QStringLiteral(VZT_VERSION));
        QVERIFY(snapshot(home.path()).isEmpty()); // and it prepares nothing
    }

    void folderIsChosen_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("vztFolder");
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default") << "" << "" << "" << "HOME/.local/share/vzt-trainer";
        QTest::newRow("XDG_DATA_HOME") << "" << "" << "/x/data" << "/x/data/vzt-trainer";
        QTest::newRow("relative XDG_DATA_HOME is ignored")
            << "" << "" << "data" << "HOME/.local/share/vzt-trainer";
        QTest::newRow("VZT_FOLDER") << "" << "/stick/vzt" << "/x/data" << "/stick/vzt";
        QTest::newRow("--folder") << "/class/5a" << "/stick/vzt" << "/x/data" << "/class/5a";
        QTest::newRow("relative --folder") << "vzt/../5a" << "" << "" << "CWD/5a";
    }

    void folderIsChosen()
    {
        QFETCH(QString, option);
        QFETCH(QString, vztFolder);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, expected);
        const QByteArray oldFolder = qgetenv("VZT_FOLDER"), oldXdg = qgetenv("XDG_DATA_HOME");
        qputenv("VZT_FOLDER", vztFolder.toUtf8());
        qputenv("XDG_DATA_HOME", xdgDataHome.toUtf8());
        expected.replace("HOME", QDir::homePath()).replace("CWD", QDir::currentPath());
        QCOMPARE(chosenWorkFolder(option), expected);
        qputenv("VZT_FOLDER", oldFolder);
        qputenv("XDG_DATA_HOME", oldXdg);
    }

    // First start, a learner's two gradings and results, a second start and
    // a re-install: the learner's files stay byte for byte.
    void learnersFilesComeThroughStartsAndReinstall()
    {
        QTemporaryDir home;
        Run r = start(home.path());
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY2(r.out.contains("main menu shown"), qPrintable(r.out + r.err));

        const QString folder = home.filePath(".local/share/vzt-trainer");
        QCOMPARE(snapshot(folder + "/SpS"), snapshot(data_ + "/SpS"));
        QCOMPARE(snapshot(folder + "/Ida"), snapshot(data_ + "/Ida"));
        for (const QString &log : kLogs)
            QCOMPARE(bytesOf(folder + "/" + log), QByteArray());
        QVERIFY(QFileInfo::exists(folder + "/" + keyFileName(2, 20))); // the trainer ran there

        gradeTwice(folder);
        const QByteArray graded = bytesOf(folder + "/stat02.txt");
        QCOMPARE(fromCp1251(graded).count(QStringLiteral("Розпочато 12.03.2026 o 9:05:07")), 2);
        QVERIFY(graded.endsWith(toCp1251(QStringLiteral("Помилок 0\r\n"))));
        writeFile(folder + "/stat07.txt", toCp1251(QStringLiteral("earlier\r\n"))); // no final CRLF
        writeFile(folder + "/results.sqlite", QByteArray("SQLite format 3\0\x10\0\x01\x01", 21));
        QStringList kept = kLogs;
        kept << "results.sqlite";
        QMap<QString, QByteArray> before;
        for (const QString &f : kept)
            before.insert(f, bytesOf(folder + "/" + f));

        r = start(home.path());
        QVERIFY2(r.status == 0, qPrintable(r.err));
        for (const QString &f : kept)
            QCOMPARE(bytesOf(folder + "/" + f), before[f]);

        install();
        r = start(home.path());
        QVERIFY2(r.status == 0, qPrintable(r.err));
        for (const QString &f : kept)
            QCOMPARE(bytesOf(folder + "/" + f), before[f]);
    }

    // An upgrade that changes a table: the next start brings it to the
    // learner's folder (and a start after the install is restored, back).
    void changedTableReachesTheFolder()
    {
        QTemporaryDir home;
        QVERIFY(start(home.path()).status == 0);
        const QString folder = home.filePath(".local/share/vzt-trainer");
        const QStringList tables = QDir(data_ + "/Ida").entryList(QDir::Files, QDir::Name);
        QVERIFY(!tables.isEmpty());
        const QString name = "Ida/" + tables.first();
        const QByteArray old = bytesOf(data_ + "/" + name);
        // the last row once more: still a valid table for its questions
        QByteArray changed = old;
        const QByteArray body = old.endsWith("\r\n") ? old.chopped(2) : old;
        changed += old.mid(body.lastIndexOf('\n') + 1);
        QVERIFY(changed != old);
        {
            QFile f(data_ + "/" + name);
            f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(changed);
        }
        QCOMPARE(start(home.path()).status, 0);
        QCOMPARE(bytesOf(folder + "/" + name), changed);

        install();
        QCOMPARE(start(home.path()).status, 0);
        QCOMPARE(bytesOf(folder + "/" + name), old);
    }

    void folderThatCannotBeWrittenGetsStatus2AndNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("under a file") << "file";
        QTest::newRow("on a file system that takes no new folders") << "proc";
        QTest::newRow("read-only folder") << "readonly";
        QTest::newRow("read-only Ida in the folder") << "readonly-ida";
    }

    void folderThatCannotBeWrittenGetsStatus2AndNothing()
    {
        QFETCH(QString, how);
        if (how.startsWith("readonly") && ::geteuid() == 0)
            QSKIP("permissions do not hold the superuser back");
        QTemporaryDir home;
        QString folder = home.filePath("vzt");
        if (how == "file") {
            writeFile(home.filePath("stick"), "not a folder");
            folder = home.filePath("stick/vzt");
        } else if (how == "proc") {
            folder = "/proc/vzt-trainer";
        } else {
            QVERIFY(QDir().mkpath(folder + "/Ida"));
            writeFile(folder + "/stat01.txt", "kept");
            const QString locked = how == "readonly" ? folder : folder + "/Ida";
            QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const auto before = snapshot(home.path());
        const Run r = how == "proc" ? start(home.path(), {}, {{"VZT_FOLDER", folder}})
                                    : start(home.path(), {"--folder", folder});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("Не вдається підготувати робочу теку тренажера:\n")
                                  + folder),
                 qPrintable(r.err));
        QCOMPARE(r.err.count(QStringLiteral("Не вдається")), 1);
        QVERIFY(!r.out.contains("main menu shown"));
        QCOMPARE(snapshot(home.path()), before);
        QVERIFY(!QFileInfo::exists("/proc/vzt-trainer"));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
        QFile::setPermissions(folder + "/Ida", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ExeOwner);
    }

    void unknownArgumentIsRefused()
    {
        QTemporaryDir home;
        const Run r = start(home.path(), {"--foldr", "x"});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("--foldr"));
        QVERIFY(snapshot(home.path()).isEmpty());
    }
};

QTEST_MAIN(TestInstall)
#include "test_install.moc"
