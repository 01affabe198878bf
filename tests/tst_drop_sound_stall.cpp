// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include "board_drag.h"
#include "game_fixture.h"
#include "wave_playback.h"

using namespace kwintor;

// The sound server is chosen once per process, so CTest runs each function
// in a process of its own. A drop that stalled would hold the test until
// CTest's timeout fails it.
class DropSoundStallTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void noAudioServer();
    void silentAudioServer();

private:
    std::unique_ptr<GameFixture> StartGame();

    QTemporaryDir folder_;
};

void DropSoundStallTest::init()
{
    QVERIFY2(QCoreApplication::arguments().size() == 2, "run one function per process");
    // An ALSA set-up without devices, so that no device of this machine answers.
    const QString noDevices = folder_.filePath(QStringLiteral("alsa.conf"));
    QFile alsa(noDevices);
    QVERIFY(alsa.open(QIODevice::WriteOnly));
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(noDevices));
}

std::unique_ptr<GameFixture> DropSoundStallTest::StartGame()
{
    auto game = std::make_unique<GameFixture>(QByteArray(), std::make_unique<EventSoundPlayback>());
    QFile::copy(QStringLiteral(KWINTOR_DATA_DIR "/1.wav"), QStringLiteral("1.wav"));
    if (!game->ShowBoard())
        qFatal("the board did not show");
    return game;
}

// With nobody listening, the drop reports the missing device, every time.
void DropSoundStallTest::noAudioServer()
{
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(folder_.filePath(QStringLiteral("nikt"))));
    const auto game = StartGame();

    for (int drop = 0; drop < 2; ++drop) {
        QCOMPARE(ErrorsOfDrag(*game->form->Image2, *game->form->Image5),
                 QStringList {QStringLiteral(
                     "Brak urządzenia odtwarzającego dźwięk. Dźwięk można wyłączyć w menu Opcje")});
        QCOMPARE(PlayerOperators[1], OperatorCode::Empty);
    }
}

// A server that takes the connection and never answers: the game plays on
// without sound.
void DropSoundStallTest::silentAudioServer()
{
    QLocalServer server;
    QVERIFY(server.listen(folder_.filePath(QStringLiteral("milczy"))));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(server.fullServerName()));
    const auto game = StartGame();

    DragTo(*game->form->Image2, *game->form->Image5);
    DragTo(*game->form->Image3, *game->form->Image5);
    DragTo(*game->form->Image1, *game->form->Image6);
    QCOMPARE(PlayerOperators[1], OperatorCode::Multiplication);
    QCOMPARE(PlayerOperators[2], OperatorCode::Minus);
}

QTEST_MAIN(DropSoundStallTest)
#include "tst_drop_sound_stall.moc"
