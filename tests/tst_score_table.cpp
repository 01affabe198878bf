// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QLatin1Char>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "score_file_error.h"
#include "score_file_sandbox.h"
#include "score_table.h"

using namespace kwintor;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

QString ErrorOf(void (*operation)())
{
    try {
        operation();
    } catch (const ScoreFileError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

void SetScores(const std::vector<int>& scores)
{
    for (std::size_t i = 0; i < ScoreTableSize; ++i)
        ScoreTable[i + 1] = {QStringLiteral("gracz %1").arg(i + 1),
                             static_cast<std::uint16_t>(i < scores.size() ? scores[i] : 0)};
}

// Lets no file grow past `bytes` while it lives; writes beyond fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_ {};
};

struct Ownership {
    uid_t owner;
    gid_t group;
    mode_t mode;
    bool operator==(const Ownership&) const = default;
};

Ownership OwnershipOf(const QString& path)
{
    struct stat status { };
    ::stat(QFile::encodeName(path).constData(), &status);
    return {status.st_uid, status.st_gid, status.st_mode & 07777};
}

void SetOwnership(const QString& path, const Ownership& ownership)
{
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(::chown(name.constData(), ownership.owner, ownership.group) == 0);
    QVERIFY(::chmod(name.constData(), ownership.mode) == 0);
}

// Everything in the working directory, hidden files included.
QStringList FolderContents()
{
    return QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;

}  // namespace

Q_DECLARE_METATYPE(Ownership)

class ScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void init() { sandbox = std::make_unique<ScoreFileSandbox>(); }
    void cleanup() { sandbox.reset(); }
    void missingFileIsNotFound();
    void aDirectoryInsteadOfAFile();
    void loadThenSaveWritesTheGamesOwnForm();
    void aSymbolicLinkStaysALink();
    void noDescriptorLeft();
    void rootKeepsAnotherUsersFileTheirs();
    void playersSaves_data();
    void playersSaves();
    void leftoverTemporaries_data();
    void leftoverTemporaries();
    void faultsBetweenLoadAndSave_data();
    void faultsBetweenLoadAndSave();
    void systemErrors_data();
    void systemErrors();
    void sort_data();
    void sort();

private:
    std::unique_ptr<ScoreFileSandbox> sandbox;
};

void ScoreTableTest::missingFileIsNotFound()
{
    QCOMPARE(ErrorOf(LoadScoreTable), QStringLiteral("File not found"));
    QVERIFY(!QFile::exists(ScoreFileName));
}

void ScoreTableTest::aDirectoryInsteadOfAFile()
{
    QDir().mkdir(ScoreFileName);
    QCOMPARE(ErrorOf(LoadScoreTable), QStringLiteral("I/O error %1").arg(EISDIR));
    QCOMPARE(ErrorOf(SaveScoreTable), QStringLiteral("I/O error %1").arg(EISDIR));
    QVERIFY(QFileInfo(ScoreFileName).isDir());
    QCOMPARE(FolderContents(), QStringList {ScoreFileName});
}

void ScoreTableTest::loadThenSaveWritesTheGamesOwnForm()
{
    ScoreFileSandbox::Write("Ala\n\r  12 pkt\rOla\r\n$10\r\n\x1Atrailing");
    LoadScoreTable();
    SaveScoreTable();

    QByteArray expected = "Ala\n\r\n12\r\nOla\r\n16\r\n";
    for (std::size_t i = 3; i <= ScoreTableSize; ++i)
        expected += "\r\n0\r\n";
    QCOMPARE(ScoreFileSandbox::Read(), expected);
}

void ScoreTableTest::aSymbolicLinkStaysALink()
{
    QFile::link(QStringLiteral("tabela.txt"), ScoreFileName);
    QFile table(QStringLiteral("tabela.txt"));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("Ala\r\n12\r\n");
    table.close();

    LoadScoreTable();
    ScoreTable[2] = {QStringLiteral("Ola"), 7};
    SaveScoreTable();

    QVERIFY(QFileInfo(ScoreFileName).isSymLink());
    QVERIFY(table.open(QIODevice::ReadOnly));
    QVERIFY(table.readAll().startsWith("Ala\r\n12\r\nOla\r\n7\r\n"));
}

void ScoreTableTest::noDescriptorLeft()
{
    ScoreFileSandbox::Write("Ala\r\n12\r\n");
    rlimit previous {};
    getrlimit(RLIMIT_NOFILE, &previous);
    // The limit bounds descriptor numbers: below the lowest free one, none is left.
    int lowestFree = 0;
    while (::fcntl(lowestFree, F_GETFD) != -1)
        ++lowestFree;
    rlimit limit = previous;
    limit.rlim_cur = rlim_t(lowestFree);
    setrlimit(RLIMIT_NOFILE, &limit);
    const QString loading = ErrorOf(LoadScoreTable);
    const QString saving = ErrorOf(SaveScoreTable);
    setrlimit(RLIMIT_NOFILE, &previous);

    QCOMPARE(loading, QStringLiteral("Too many open files"));
    QCOMPARE(saving, QStringLiteral("Too many open files"));
    QCOMPARE(ScoreFileSandbox::Read(), QByteArray("Ala\r\n12\r\n"));
}

void ScoreTableTest::rootKeepsAnotherUsersFileTheirs()
{
    if (::geteuid() != 0)
        QSKIP("only root can save a file that belongs to another user");
    ScoreFileSandbox::Write("Ala\r\n12\r\n");
    const Ownership players {Nobody, NoGroup, 0640};
    SetOwnership(ScoreFileName, players);

    LoadScoreTable();
    ScoreTable[1].Score = 13;
    SaveScoreTable();

    QCOMPARE(OwnershipOf(ScoreFileName), players);
    QVERIFY(ScoreFileSandbox::Read().startsWith("Ala\r\n13\r\n"));
}

// A player's own save, run as nobody (through setpriv) on files that root
// sets up as a shared or system-wide installation would have them.
void ScoreTableTest::playersSaves_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<Ownership>("file");
    QTest::addColumn<QString>("message");  // empty when the save succeeds
    QTest::addColumn<bool>("inPlace");  // whether the log says it wrote over the old file

    QTest::newRow("folder read-only, the file the player's")
        << 0755 << Ownership {Nobody, NoGroup, 0644} << QString() << true;
    QTest::newRow("file writable through its group")
        << 0777 << Ownership {0, NoGroup, 0464} << QString() << true;
    QTest::newRow("another user's file, writable by all")
        << 0777 << Ownership {0, 0, 0666} << QString() << true;
    QTest::newRow("the player's file, folder writable")
        << 0777 << Ownership {Nobody, NoGroup, 0600} << QString() << false;
    QTest::newRow("file read-only to the player")
        << 0777 << Ownership {0, NoGroup, 0644} << QStringLiteral("File access denied") << false;
    QTest::newRow("both read-only to the player")
        << 0755 << Ownership {0, 0, 0644} << QStringLiteral("File access denied") << false;
}

void ScoreTableTest::playersSaves()
{
    QFETCH(int, folderMode);
    QFETCH(Ownership, file);
    QFETCH(QString, message);
    QFETCH(bool, inPlace);

    if (::geteuid() != 0)
        QSKIP("needs root, to give the files other owners and to save as nobody");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("setpriv (util-linux) is missing");
    const QByteArray original = "Ala\r\n12\r\n";
    ScoreFileSandbox::Write(original);
    SetOwnership(ScoreFileName, file);
    const QString folder = QDir::currentPath();
    SetOwnership(folder, {0, 0, mode_t(folderMode)});

    QProcess save;
    save.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("kwintor.scorefile=true"));
    save.setProcessEnvironment(environment);
    save.start(QStringLiteral("setpriv"),
               {QStringLiteral("--reuid=%1").arg(Nobody), QStringLiteral("--regid=%1").arg(NoGroup),
                QStringLiteral("--clear-groups"), QStringLiteral("--"), QStringLiteral(SCORE_FILE_SAVER)});
    QVERIFY(save.waitForFinished());
    const QString said = QString::fromUtf8(save.readAllStandardOutput()).trimmed();
    ::chmod(QFile::encodeName(folder).constData(), 0700);

    QCOMPARE(said, message);
    QCOMPARE(save.exitCode(), message.isEmpty() ? 0 : 1);
    QCOMPARE(save.readAllStandardError().contains("written in place"), inPlace);
    QCOMPARE(OwnershipOf(ScoreFileName), file);
    QCOMPARE(FolderContents(), QStringList {ScoreFileName});
    if (message.isEmpty())
        QVERIFY(ScoreFileSandbox::Read().startsWith("Nowy\r\n99\r\n\r\n0\r\n"));
    else
        QCOMPARE(ScoreFileSandbox::Read(), original);
}

enum class Leftover { File, LockedFile, Folder, Link };

void ScoreTableTest::leftoverTemporaries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Leftover>("kind");
    QTest::addColumn<bool>("removed");

    QTest::newRow("an interrupted save's") << ".wyniki.naj.kwintor-a1B2c3" << Leftover::File << true;
    QTest::newRow("a save still running") << ".wyniki.naj.kwintor-Busy12" << Leftover::LockedFile << false;
    QTest::newRow("the player's backup") << "wyniki.naj.backup" << Leftover::File << false;
    QTest::newRow("like another program's temporary") << "wyniki.naj.a1B2c3" << Leftover::File << false;
    QTest::newRow("longer than the game's") << ".wyniki.naj.kwintor-old.txt" << Leftover::File << false;
    QTest::newRow("a folder") << ".wyniki.naj.kwintor-Dir123" << Leftover::Folder << false;
    QTest::newRow("a symbolic link") << ".wyniki.naj.kwintor-Lnk123" << Leftover::Link << false;
}

void ScoreTableTest::leftoverTemporaries()
{
    QFETCH(QString, name);
    QFETCH(Leftover, kind);
    QFETCH(bool, removed);

    ScoreFileSandbox::Write("Ala\r\n12\r\n");
    QFile leftover(name);
    switch (kind) {
    case Leftover::File:
    case Leftover::LockedFile: QVERIFY(leftover.open(QIODevice::WriteOnly)); break;
    case Leftover::Folder: QVERIFY(QDir().mkdir(name)); break;
    case Leftover::Link: QVERIFY(QFile::link(ScoreFileName, name)); break;
    }
    if (kind == Leftover::LockedFile)
        QVERIFY(::flock(leftover.handle(), LOCK_EX) == 0);

    LoadScoreTable();
    SaveScoreTable();

    QStringList expected {ScoreFileName};
    if (!removed)
        expected << name;
    expected.sort();
    QCOMPARE(FolderContents(), expected);
}

enum class Fault { MadeReadOnly, DiskFills, FolderVanishes };

void ScoreTableTest::faultsBetweenLoadAndSave_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("message");

    QTest::newRow("made read-only") << Fault::MadeReadOnly << QStringLiteral("File access denied");
    QTest::newRow("disk fills") << Fault::DiskFills << QStringLiteral("I/O error %1").arg(EFBIG);
    // The old file went with its folder; the path is what is wrong now.
    QTest::newRow("folder vanishes") << Fault::FolderVanishes << QStringLiteral("Invalid filename");
}

void ScoreTableTest::faultsBetweenLoadAndSave()
{
    QFETCH(Fault, fault);
    QFETCH(QString, message);

    const QByteArray original = "Ala\r\n12\r\n";
    ScoreFileSandbox::Write(original);
    LoadScoreTable();
    // Long names, so that the new file is bigger than the old one.
    for (std::size_t i = 1; i <= ScoreTableSize; ++i)
        ScoreTable[i] = {QString(40, QLatin1Char('x')), 1};
    const QString folder = QDir::currentPath();
    std::optional<FileSizeLimit> limit;
    switch (fault) {
    case Fault::MadeReadOnly: ScoreFileSandbox::MakeReadOnly(); break;
    case Fault::DiskFills: limit.emplace(100); break;
    case Fault::FolderVanishes: QVERIFY(QDir(folder).removeRecursively()); break;
    }
    QCOMPARE(ErrorOf(SaveScoreTable), message);
    limit.reset();

    if (fault == Fault::FolderVanishes) {
        QVERIFY(!QFileInfo::exists(folder));
        return;
    }
    QCOMPARE(ScoreFileSandbox::Read(), original);
    QCOMPARE(QDir::current().entryList(QDir::Files), QStringList {ScoreFileName});
}

void ScoreTableTest::systemErrors_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << ENOENT << 2 << "File not found";
    QTest::newRow("bad path") << ENOTDIR << 3 << "Invalid filename";
    QTest::newRow("name too long") << ENAMETOOLONG << 3 << "Invalid filename";
    QTest::newRow("too many files") << EMFILE << 4 << "Too many open files";
    QTest::newRow("denied") << EACCES << 5 << "File access denied";
    QTest::newRow("read-only file system") << EROFS << 5 << "File access denied";
    QTest::newRow("disk full") << ENOSPC << ENOSPC << QStringLiteral("I/O error %1").arg(ENOSPC);
    // Numbers that equal the codes above keep the system's meaning.
    for (const int unlisted : {EIO, EINTR, ESRCH, EISCONN, EISDIR})
        QTest::newRow(qPrintable(QStringLiteral("unlisted %1").arg(unlisted)))
            << unlisted << unlisted << QStringLiteral("I/O error %1").arg(unlisted);
}

void ScoreTableTest::systemErrors()
{
    QFETCH(int, systemError);
    QFETCH(int, code);
    QFETCH(QString, message);

    const ScoreFileError error = ScoreFileError::FromErrno(systemError);
    QCOMPARE(error.Code(), code);
    QCOMPARE(QString::fromUtf8(error.what()), message);
}

void ScoreTableTest::sort_data()
{
    QTest::addColumn<std::vector<int>>("scores");
    QTest::addColumn<std::vector<int>>("players");  // who stands where afterwards

    QTest::newRow("sorted stays") << std::vector<int> {9, 8, 7} << std::vector<int> {1, 2, 3, 4, 5};
    QTest::newRow("reversed") << std::vector<int> {1, 2, 3} << std::vector<int> {3, 2, 1, 4, 5};
    QTest::newRow("equal keep their order")
        << std::vector<int> {5, 7, 5, 7, 5} << std::vector<int> {2, 4, 1, 3, 5, 6};
    QTest::newRow("new last entry below its equals")
        << std::vector<int> {9, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4} << std::vector<int> {1, 2, 3, 4, 5};
    QTest::newRow("unsigned comparison") << std::vector<int> {1, 65535} << std::vector<int> {2, 1};
    std::vector<int> lastWins(15, 3);
    lastWins[14] = 8;
    QTest::newRow("entry 15 climbs to the top") << lastWins << std::vector<int> {15, 1, 2, 3};
}

void ScoreTableTest::sort()
{
    QFETCH(std::vector<int>, scores);
    QFETCH(std::vector<int>, players);

    SetScores(scores);
    SortScoreTable();

    for (std::size_t i = 0; i < players.size(); ++i)
        QCOMPARE(ScoreTable[i + 1].Name, QStringLiteral("gracz %1").arg(players[i]));
    for (std::size_t i = 1; i < ScoreTableSize; ++i)
        QVERIFY(ScoreTable[i].Score >= ScoreTable[i + 1].Score);
}

QTEST_GUILESS_MAIN(ScoreTableTest)
#include "tst_score_table.moc"
