#include <QtTest>

#include <cerrno>
#include <csignal>
#include <optional>
#include <sys/resource.h>

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
        return error.Message();
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

}  // namespace

class ScoreTableTest : public QObject {
    Q_OBJECT

private slots:
    void init() { sandbox = std::make_unique<ScoreFileSandbox>(); }
    void cleanup() { sandbox.reset(); }
    void missingFileIsNotFound();
    void aDirectoryInsteadOfAFile();
    void loadThenSaveWritesTheGamesOwnForm();
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
    case Fault::MadeReadOnly:
        ScoreFileSandbox::MakeReadOnly();
        break;
    case Fault::DiskFills:
        limit.emplace(100);
        break;
    case Fault::FolderVanishes:
        QVERIFY(QDir(folder).removeRecursively());
        break;
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
}

void ScoreTableTest::systemErrors()
{
    QFETCH(int, systemError);
    QFETCH(int, code);
    QFETCH(QString, message);

    const ScoreFileError error = ScoreFileError::FromErrno(systemError);
    QCOMPARE(error.Code(), code);
    QCOMPARE(error.Message(), message);
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
