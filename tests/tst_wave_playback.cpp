#include <QtTest>

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
        Chunk("data", QByteArray(layout.samples * frameSize, '\0'));
    return "RIFF" + Little32(quint32(body.size())) + body;
}

QByteArray Wave() { return Wave(WaveLayout {}); }

AudioOutput WithOutput() { return AudioOutput::Present; }
AudioOutput WithoutOutput() { return AudioOutput::Absent; }
AudioOutput NotYetKnown() { return AudioOutput::Unknown; }

}  // namespace

class WavePlaybackTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void openErrors_data();
    void openErrors();
    void playableFiles_data();
    void playableFiles();
    void openingAgainClosesTheEarlierSound();
    void outputNotYetKnownOpensNothing();
    void relativeNameOpensTheFileInTheWorkingFolder();
    void unreadableFile();

private:
    QString Write(const QString& name, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> folder_;
};

void WavePlaybackTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
}

QString WavePlaybackTest::Write(const QString& name, const QByteArray& bytes)
{
    const QString path = folder_->filePath(name);
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

    const QString unplayable = QStringLiteral("Plik „%1” nie jest odtwarzalnym plikiem dźwiękowym WAV");
    const QByteArray wave = Wave();
    // Valid bits, speaker mask and the PCM subformat: plain PCM in extensible dress.
    const QByteArray pcmExtension =
        Little16(22) + Little16(16) + Little32(4) + QByteArray::fromHex("0100000000001000800000aa00389b71");
    QTest::newRow("no audio output") << false << true << wave
                                     << QStringLiteral("Brak urządzenia odtwarzającego dźwięk");
    QTest::newRow("no audio output nor file")
        << false << false << QByteArray() << QStringLiteral("Brak urządzenia odtwarzającego dźwięk");
    QTest::newRow("missing file") << true << false << QByteArray()
                                  << QStringLiteral("Nie znaleziono pliku dźwiękowego „%1”");
    QTest::newRow("empty file") << true << true << QByteArray() << unplayable;
    QTest::newRow("text") << true << true << QByteArray("Kwintor\n") << unplayable;
    QTest::newRow("other RIFF file") << true << true << QByteArray(wave).replace(8, 4, "AVI ") << unplayable;
    QTest::newRow("header cut in fmt") << true << true << wave.left(30) << unplayable;
    QTest::newRow("no data chunk") << true << true << wave.left(36) << unplayable;
    QTest::newRow("samples cut short") << true << true << wave.left(wave.size() - 10) << unplayable;
    QTest::newRow("IEEE float") << true << true << Wave({.format = 3, .bitsPerSample = 32}) << unplayable;
    QTest::newRow("extensible") << true << true << Wave({.format = 0xFFFE, .formatExtra = pcmExtension})
                                << unplayable;
    QTest::newRow("ADPCM") << true << true << Wave({.format = 2, .bitsPerSample = 4}) << unplayable;
    QTest::newRow("24 bit") << true << true << Wave({.bitsPerSample = 24}) << unplayable;
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
    SoundEffectPlayback playback(hasOutput ? WithOutput : WithoutOutput);
    QString thrown;
    try {
        playback.Open(path);
    } catch (const Error& error) {
        thrown = error.Message();
    }
    QCOMPARE(thrown, message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    QVERIFY(playback.Source().isEmpty());
}

void WavePlaybackTest::playableFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("16 bit mono") << Wave();
    QTest::newRow("8 bit stereo") << Wave({.channels = 2, .bitsPerSample = 8});
    QTest::newRow("32 bit") << Wave({.bitsPerSample = 32});
    QTest::newRow("format with extra bytes") << Wave({.formatExtra = Little16(0)});
    QTest::newRow("odd chunk before format") << Wave({.chunksBeforeFormat = Chunk("LIST", "INFOx")});
    QTest::newRow("no samples") << Wave({.samples = 0});
}

void WavePlaybackTest::playableFiles()
{
    QFETCH(QByteArray, bytes);

    const QString path = Write(QStringLiteral("dobrze.wav"), bytes);
    SoundEffectPlayback playback(WithOutput);
    QVERIFY_THROWS_NO_EXCEPTION(playback.Open(path));
    QCOMPARE(playback.Source(), QUrl::fromLocalFile(path));
    playback.Play();
    playback.Play();
}

void WavePlaybackTest::openingAgainClosesTheEarlierSound()
{
    const QString first = Write(QStringLiteral("1.wav"), Wave());
    const QString second = Write(QStringLiteral("2.wav"), Wave({.bitsPerSample = 8}));
    SoundEffectPlayback playback(WithOutput);

    playback.Open(first);
    playback.Play();
    playback.Open(second);
    QCOMPARE(playback.Source(), QUrl::fromLocalFile(second));

    QVERIFY_THROWS_EXCEPTION(Error, playback.Open(folder_->filePath(QStringLiteral("brak.wav"))));
    QVERIFY(playback.Source().isEmpty());
}

// The first drops of a game may come before the sound server has answered.
void WavePlaybackTest::outputNotYetKnownOpensNothing()
{
    const QString path = Write(QStringLiteral("1.wav"), Wave());
    SoundEffectPlayback playback(NotYetKnown);
    QVERIFY_THROWS_NO_EXCEPTION(playback.Open(path));
    QVERIFY(playback.Source().isEmpty());
    playback.Play();
    QVERIFY_THROWS_EXCEPTION(Error, playback.Open(folder_->filePath(QStringLiteral("brak.wav"))));

    AudioOutput output = AudioOutput::Unknown;
    SoundEffectPlayback later([&output] { return output; });
    later.Open(path);
    QVERIFY(later.Source().isEmpty());
    output = AudioOutput::Present;
    later.Open(path);
    QCOMPARE(later.Source(), QUrl::fromLocalFile(path));
}

void WavePlaybackTest::relativeNameOpensTheFileInTheWorkingFolder()
{
    const QString path = Write(QStringLiteral("1.wav"), Wave());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder_->path()));
    SoundEffectPlayback playback(WithOutput);
    QVERIFY_THROWS_NO_EXCEPTION(playback.Open(QStringLiteral("1.wav")));
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(playback.Source(), QUrl::fromLocalFile(path));
}

void WavePlaybackTest::unreadableFile()
{
    const QString path = Write(QStringLiteral("1.wav"), Wave());
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFile(path).open(QIODevice::ReadOnly))
        QSKIP("Permissions do not keep this user from reading (root?)");
    SoundEffectPlayback playback(WithOutput);
    QString thrown;
    try {
        playback.Open(path);
    } catch (const Error& error) {
        thrown = error.Message();
    }
    QCOMPARE(thrown, QStringLiteral("Nie można odczytać pliku dźwiękowego „%1”").arg(path));
}

QTEST_MAIN(WavePlaybackTest)
#include "tst_wave_playback.moc"
