#include "audio_output_probe.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThread>

#include <atomic>

namespace kwintor {

namespace {

std::atomic<AudioOutput> answer {AudioOutput::Unknown};

// Never deleted: while a silent server holds it, it cannot be stopped.
QThread* askingThread = nullptr;

// Stopped with the application once it has its answer, so that what Qt
// Multimedia made in it goes before the application does.
void StopAskingThread()
{
    if (answer.load() == AudioOutput::Unknown)
        return;
    askingThread->quit();
    askingThread->wait();
}

void StartAsking()
{
    // Qt Multimedia keeps objects in the thread that first asks, so the
    // thread runs an event loop for them after answering.
    askingThread = new QThread;
    askingThread->setObjectName(QStringLiteral("Kwintor audio output probe"));
    QObject::connect(askingThread, &QThread::started, [] {
        answer = QMediaDevices::audioOutputs().isEmpty() ? AudioOutput::Absent : AudioOutput::Present;
    });
    askingThread->start();
    qAddPostRoutine(StopAskingThread);
}

}  // namespace

AudioOutput SystemAudioOutput()
{
    static const bool asking = (StartAsking(), true);
    Q_UNUSED(asking);
    return answer.load();
}

}  // namespace kwintor
