#include <QtTest>

#include <QLocalServer>
#include <QMessageBox>

#include "audio_output_probe.h"
#include "board_drag.h"
#include "game_fixture.h"
#include "modal_script.h"
#include "wave_playback.h"

using namespace kwintor;

namespace {

// One frame is the aim; this bound only has to tell a prompt drop from the
// half minute that a silent server used to cost, on a slow machine too.
constexpr qint64 PromptMilliseconds = 250;

}  // namespace

// The sound server is chosen once per process, so CTest runs each function
// in a process of its own.
class DropSoundStallTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void noAudioServer();
    void silentAudioServer();

private:
    std::unique_ptr<GameFixture> StartGame();
};

void DropSoundStallTest::init()
{
    QVERIFY2(QCoreApplication::arguments().size() == 2, "run one function per process");
}

std::unique_ptr<GameFixture> DropSoundStallTest::StartGame()
{
    auto game = std::make_unique<GameFixture>(QByteArray(), std::make_unique<SoundEffectPlayback>());
    QFile::copy(QStringLiteral(KWINTOR_DATA_DIR "/1.wav"), QStringLiteral("1.wav"));
    if (!game->ShowBoard())
        qFatal("the board did not show");
    return game;
}

// With nobody listening, the answer comes at once and the drop reports the
// missing device as it always has.
void DropSoundStallTest::noAudioServer()
{
    QTemporaryDir folder;
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder.filePath(QStringLiteral("nikt"))));
    const auto game = StartGame();
    QTRY_COMPARE(SystemAudioOutput(), AudioOutput::Absent);

    QElapsedTimer clock;
    qint64 shownAfter = -1;
    ModalScript script;
    script.Then(QStringLiteral("kwintorErrorDisplay"), [&](QWidget& box) {
        shownAfter = clock.elapsed();
        QCOMPARE(static_cast<QMessageBox&>(box).text(), QStringLiteral("Brak urządzenia odtwarzającego dźwięk."));
        box.close();
    });
    clock.start();
    DragTo(*game->form->Image2, *game->form->Image5);
    QTRY_VERIFY(script.Finished());
    QVERIFY2(shownAfter < PromptMilliseconds, qPrintable(QString::number(shownAfter)));
}

// A server that takes the connection and never answers: the game plays on
// without sound until it knows.
void DropSoundStallTest::silentAudioServer()
{
    QTemporaryDir folder;
    QLocalServer server;
    QVERIFY(server.listen(folder.filePath(QStringLiteral("milczy"))));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.fullServerName()));

    QElapsedTimer clock;
    clock.start();
    const auto game = StartGame();
    const qint64 startUp = clock.restart();
    DragTo(*game->form->Image2, *game->form->Image5);
    DragTo(*game->form->Image3, *game->form->Image5);
    const qint64 drops = clock.elapsed();

    QCOMPARE(SystemAudioOutput(), AudioOutput::Unknown);
    QCOMPARE(PlayerOperators[1], OperatorCode::Multiplication);
    QVERIFY2(startUp < 10 * PromptMilliseconds, qPrintable(QString::number(startUp)));
    QVERIFY2(drops < 2 * PromptMilliseconds, qPrintable(QString::number(drops)));
}

QTEST_MAIN(DropSoundStallTest)
#include "tst_drop_sound_stall.moc"
