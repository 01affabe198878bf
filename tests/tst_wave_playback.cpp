// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QLatin1String>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "error_display.h"
#include "wave_playback.h"

using namespace kwintor;

namespace {

QByteArray Little16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Little32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray chunk = id + Little32(quint32(body.size())) + body;
    if (body.size() % 2 != 0)
        chunk += '\0';
    return chunk;
}

// How a test wave file is put together; the defaults make a short, plain one.
struct WaveLayout {
    quint16 format = 1;
    quint16 channels = 1;
    quint16 bitsPerSample = 16;
    QByteArray formatExtra {};
    QByteArray chunksBeforeFormat {};
    int samples = 400;
};

QByteArray Wave(const WaveLayout& layout)
{
    const quint32 rate = 8000;
    const quint16 frameSize = quint16(layout.channels * layout.bitsPerSample / 8);
    const QByteArray format = Little16(layout.format) + Little16(layout.channels) + Little32(rate) +
        Little32(rate * frameSize) + Little16(frameSize) + Little16(layout.bitsPerSample) +
        layout.formatExtra;
    const QByteArray body = "WAVE" + layout.chunksBeforeFormat + Chunk("fmt ", format) +
        Chunk("data", QByteArray(qsizetype(layout.samples) * frameSize, '\0'));
    return "RIFF" + Little32(quint32(body.size())) + body;
}

QByteArray Wave() { return Wave(WaveLayout {}); }

// Answers as the test says and keeps what it was asked to play.
class ScriptedOutput : public SoundOutput {
public:
    OutputAnswer Ask() override
    {
        ++asked;
        return answer;
    }
    void Play(const std::string& path) override { played << QString::fromStdString(path); }

    OutputAnswer answer = OutputAnswer::Ready;
    int asked = 0;
    QStringList played;
};

}  // namespace

class WavePlaybackTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void openErrors_data();
    void openErrors();
    void playableFiles_data();
    void playableFiles();
    void everyOpenAsksForTheOutputAgain_data();
    void everyOpenAsksForTheOutputAgain();
    void relativeNameOpensTheFileInTheWorkingFolder();
    void unreadableFile();

private:
    QString Write(const QString& name, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> folder_;
    ScriptedOutput* output_ = nullptr;
    std::unique_ptr<EventSoundPlayback> playback_;
};

void WavePlaybackTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    auto output = std::make_unique<ScriptedOutput>();
    output_ = output.get();
    playback_ = std::make_unique<EventSoundPlayback>(std::move(output));
}

QString WavePlaybackTest::Write(const QString& name, const QByteArray& bytes)
{
    QString path = folder_->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void WavePlaybackTest::openErrors_data()
{
    QTest::addColumn<bool>("hasOutput");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // %1 is the file's name

    const QString unplayable =
        QStringLiteral("Plik „%1” nie jest odtwarzalnym plikiem dźwiękowym WAV (8- lub 16-bitowe PCM)");
    const QString missing = QStringLiteral("Nie znaleziono pliku dźwiękowego „%1”");
    const QByteArray wave = Wave();
    // Valid bits, speaker mask and the IEEE float subformat.
    const QByteArray floatExtension =
        Little16(22) + Little16(32) + Little32(4) + QByteArray::fromHex("0300000000001000800000aa00389b71");
    QTest::newRow("no audio output") << false << true << wave
                                     << QStringLiteral("Brak urządzenia odtwarzającego dźwięk");
    // The file is looked at first: no server is asked for a sound that cannot play.
    QTest::newRow("no audio output nor file") << false << false << QByteArray() << missing;
    QTest::newRow("missing file") << true << false << QByteArray() << missing;
    QTest::newRow("empty file") << true << true << QByteArray() << unplayable;
    QTest::newRow("text") << true << true << QByteArray("Kwintor\n") << unplayable;
    QTest::newRow("other RIFF file") << true << true << QByteArray(wave).replace(8, 4, "AVI ") << unplayable;
    QTest::newRow("header cut in fmt") << true << true << wave.left(30) << unplayable;
    QTest::newRow("no data chunk") << true << true << wave.left(36) << unplayable;
    QTest::newRow("samples cut short") << true << true << wave.left(wave.size() - 10) << unplayable;
    QTest::newRow("IEEE float") << true << true << Wave({.format = 3, .bitsPerSample = 32}) << unplayable;
    QTest::newRow("extensible float")
        << true << true << Wave({.format = 0xFFFE, .bitsPerSample = 32, .formatExtra = floatExtension})
        << unplayable;
    QTest::newRow("extensible cut short")
        << true << true << Wave({.format = 0xFFFE, .formatExtra = Little16(0)}) << unplayable;
    QTest::newRow("ADPCM") << true << true << Wave({.format = 2, .bitsPerSample = 4}) << unplayable;
    QTest::newRow("24 bit") << true << true << Wave({.bitsPerSample = 24}) << unplayable;
    QTest::newRow("32 bit") << true << true << Wave({.bitsPerSample = 32}) << unplayable;
    QTest::newRow("no channels") << true << true << Wave({.channels = 0}) << unplayable;
}

void WavePlaybackTest::openErrors()
{
    QFETCH(bool, hasOutput);
    QFETCH(bool, fileThere);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    const QString path =
        fileThere ? Write(QStringLiteral("1.wav"), bytes) : folder_->filePath(QStringLiteral("1.wav"));
    output_->answer = hasOutput ? OutputAnswer::Ready : OutputAnswer::Absent;
    QString thrown;
    try {
        playback_->Open(path);
    } catch (const Error& error) {
        thrown = MessageOf(error);
    }
    QCOMPARE(thrown, message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    playback_->Play();
    QVERIFY(output_->played.isEmpty());
}

void WavePlaybackTest::playableFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");

    // Valid bits, speaker mask and the PCM subformat: plain PCM in extensible dress.
    const QByteArray pcmExtension =
        Little16(22) + Little16(16) + Little32(4) + QByteArray::fromHex("0100000000001000800000aa00389b71");
    QTest::newRow("16 bit mono") << Wave();
    QTest::newRow("8 bit stereo") << Wave({.channels = 2, .bitsPerSample = 8});
    QTest::newRow("extensible PCM") << Wave({.format = 0xFFFE, .formatExtra = pcmExtension});
    QTest::newRow("format with extra bytes") << Wave({.formatExtra = Little16(0)});
    QTest::newRow("odd chunk before format") << Wave({.chunksBeforeFormat = Chunk("LIST", "INFOx")});
    QTest::newRow("no samples") << Wave({.samples = 0});
}

void WavePlaybackTest::playableFiles()
{
    QFETCH(QByteArray, bytes);

    const QString path = Write(QStringLiteral("dobrze.wav"), bytes);
    QVERIFY_THROWS_NO_EXCEPTION(playback_->Open(path));
    playback_->Play();
    playback_->Play();
    QCOMPARE(output_->played, QStringList({path, path}));
}

// A server that starts after the game is used from the next drop on, one
// that goes away fails the next drop, and one not heard from yet holds no
// drop up.
void WavePlaybackTest::everyOpenAsksForTheOutputAgain_data()
{
    QTest::addColumn<QList<OutputAnswer>>("answers");
    QTest::addColumn<QList<bool>>("played");

    using enum OutputAnswer;
    QTest::newRow("server comes") << QList {Absent, Ready} << QList {false, true};
    QTest::newRow("server goes") << QList {Ready, Absent} << QList {true, false};
    QTest::newRow("server silent") << QList {Pending, Pending} << QList {true, true};
    QTest::newRow("server answers late") << QList {Pending, Absent, Ready} << QList {true, false, true};
}

void WavePlaybackTest::everyOpenAsksForTheOutputAgain()
{
    QFETCH(QList<OutputAnswer>, answers);
    QFETCH(QList<bool>, played);

    const QString path = Write(QStringLiteral("1.wav"), Wave());
    for (qsizetype drop = 0; drop < answers.size(); ++drop) {
        output_->answer = answers[drop];
        output_->played.clear();
        bool opened = true;
        try {
            playback_->Open(path);
        } catch (const Error&) {
            opened = false;
        }
        playback_->Play();
        QCOMPARE(opened, played[drop]);
        QCOMPARE(output_->played.size(), played[drop] ? 1 : 0);
    }
    QCOMPARE(output_->asked, answers.size());
}

void WavePlaybackTest::relativeNameOpensTheFileInTheWorkingFolder()
{
    const QString path = Write(QStringLiteral("1.wav"), Wave());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder_->path()));
    QVERIFY_THROWS_NO_EXCEPTION(playback_->Open(QStringLiteral("1.wav")));
    QVERIFY(QDir::setCurrent(before));
    playback_->Play();
    QCOMPARE(output_->played, QStringList {path});
}

void WavePlaybackTest::unreadableFile()
{
    const QString path = Write(QStringLiteral("1.wav"), Wave());
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("Permissions do not keep this user from reading (root?)");
    QString thrown;
    try {
        playback_->Open(path);
    } catch (const Error& error) {
        thrown = MessageOf(error);
    }
    QCOMPARE(thrown, QStringLiteral("Nie można odczytać pliku dźwiękowego „%1”").arg(path));
}

QTEST_MAIN(WavePlaybackTest)
#include "tst_wave_playback.moc"
