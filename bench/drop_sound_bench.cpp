// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From a drop on the board to its sound at the default sink, on whichever
// sound server this process finds; bench/drop_sound.sh runs it on a
// PulseAudio and on a PipeWire of its own, in a folder holding the game's
// 1.wav. Prints each drop's latency and their median; --json FILE keeps
// them for bench/figures.py. --monitor names the default sink's monitor:
// pipewire-pulse may take "@DEFAULT_MONITOR@" for another source.
//
// Each drop waits until the sink has been quiet for a while, reads the
// steady clock (CLOCK_MONOTONIC), drops the "+" tile on the first slot
// through TForm1::Image5DragDrop, the handler a mouse drop and an operator
// key both end in, and runs the board's events until the monitor of the
// default sink hears the sound. The latency is the arrival of the first
// block holding a sample above silence there, as MonitorListener dates
// it, less the time read before the drop. One uncounted drop first lets
// the game find the server; its time is printed apart.
//
// Then the game is left idle for 10 s with no monitor open, since a
// recorder keeps a sink awake by itself, and the drop after that quiet is
// timed the same way, with the sink's state as pactl read it first: the
// game keeps its output awake, so that drop should cost what a warm one
// does. The game's CPU time over the quiet spans, its output held, is
// given as a share of one core.

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <time.h>

#include "main_window.h"
#include "monitor_listener.h"
#include "settings.h"

namespace {

using kwintor::bench::MonitorListener;
using Clock = MonitorListener::Clock;
using Milliseconds = std::chrono::duration<double, std::milli>;
using namespace std::chrono_literals;

// The drop sound lasts 120 ms; its tail must not be taken for the next one.
constexpr auto QuietBeforeDrop = 150ms;
constexpr auto Patience = 2s;
// The first drop connects to the server, and a PulseAudio sink that has
// never played passes its first sound to the monitor some 1.7 s late.
constexpr auto FirstPatience = 5s;
// Longer than the 2 to 5 s after which the servers put an idle sink to sleep.
constexpr auto Quiet = 10s;
constexpr int QuietDrops = 3;
// A monitor opened afresh first hands over its sink's buffer of silence.
constexpr auto MonitorSettling = 300ms;

// Runs the board's events until `done` holds; false after `patience`.
template <typename Condition> bool RunEventsUntil(Condition done, Clock::duration patience)
{
    const Clock::time_point deadline = Clock::now() + patience;
    while (!done()) {
        if (Clock::now() > deadline)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// Runs the board's events in Qt's own loop, which sleeps between them as
// the game's does.
void RunEventsFor(Clock::duration span)
{
    QEventLoop loop;
    QTimer::singleShot(std::chrono::ceil<std::chrono::milliseconds>(span), &loop, &QEventLoop::quit);
    loop.exec();
}

std::chrono::nanoseconds ProcessCpuTime()
{
    timespec time {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
}

// The state of the sink whose monitor is `monitor`, as pactl lists it.
std::string SinkState(const std::string& monitor)
{
    const QString sink = QString::fromStdString(monitor).chopped(QStringLiteral(".monitor").size());
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    if (!pactl.waitForFinished())
        return "unknown";
    for (const QString& line : QString::fromUtf8(pactl.readAllStandardOutput()).split(u'\n')) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() > 2 && fields[1] == sink)
            return fields.last().toStdString();
    }
    return "unknown";
}

// A test-mode board, so that no clock ends the game, with the game's own
// playback and the sound on, as at start.
struct SoundingBoard {
    explicit SoundingBoard(const std::string& monitorName)
        : monitor(monitorName)
        , listener(std::in_place, monitorName)
    {
        settings.CurrentLevel = kwintor::TestMode;
        settings.OperandCount = 5;
        form.NewRound();
        form.show();
        form.activateWindow();
    }

    // The time from the drop to its sound; nothing when none came. Throws
    // what the drop handler throws: the text of the board's error box.
    std::optional<Clock::duration> DropAndListen(Clock::duration patience = Patience)
    {
        RunEventsUntil([&] { return Clock::now() - listener->LastHeard() >= QuietBeforeDrop; }, Patience);
        const Clock::time_point dropped = Clock::now();
        listener->Arm(dropped);
        form.Image5DragDrop(*form.Image5, *form.Image2);
        if (!RunEventsUntil([&] { return listener->Heard().has_value(); }, patience))
            return std::nullopt;
        return *listener->Heard() - dropped;
    }

    // The game left idle with no monitor open: its CPU time over the span
    // and the sink's state at its end, read before the monitor opens again.
    std::pair<std::chrono::nanoseconds, std::string> StayQuiet()
    {
        listener.reset();
        const std::chrono::nanoseconds before = ProcessCpuTime();
        RunEventsFor(Quiet);
        const std::chrono::nanoseconds cpu = ProcessCpuTime() - before;
        std::string state = SinkState(monitor);
        listener.emplace(monitor);
        RunEventsFor(MonitorSettling);
        return {cpu, state};
    }

    // The uncounted drop, which also finds the server: its time, or why
    // there was no sound.
    std::string WarmUp()
    {
        try {
            const std::optional<Clock::duration> latency = DropAndListen(FirstPatience);
            if (!latency)
                return "no sound";
            char text[32];
            std::snprintf(text, sizeof text, "%.2f ms", Milliseconds(*latency).count());
            return text;
        } catch (const std::exception& error) {
            return error.what();
        }
    }

    std::string monitor;
    kwintor::Settings settings;
    kwintor::TForm1 form {settings};
    std::optional<MonitorListener> listener;
};

struct Drops {
    std::vector<double> heardMilliseconds;
    int unheard = 0;
};

struct Figures {
    Drops warm;
    Drops afterQuiet;
    Drops afterQuietLetGo;
    double idleCpuPercent = 0;
};

// One drop timed into `drops`, with `label` before its line.
void MeasureDrop(SoundingBoard& board, Drops& drops, const std::string& label)
{
    std::string why;
    try {
        if (const std::optional<Clock::duration> latency = board.DropAndListen()) {
            drops.heardMilliseconds.push_back(Milliseconds(*latency).count());
            std::printf("%s: %6.2f ms\n", label.c_str(), drops.heardMilliseconds.back());
            return;
        }
        why = board.listener->Failure();
        if (why.empty())
            why = "no sound within " + std::to_string(std::chrono::seconds(Patience).count()) + " s";
    } catch (const std::exception& error) {
        why = error.what();
    }
    ++drops.unheard;
    std::printf("%s: not heard: %s\n", label.c_str(), why.c_str());
}

// Drops each after a quiet span, into `drops`; the game's CPU time over
// the spans.
std::chrono::nanoseconds MeasureQuietDrops(SoundingBoard& board, Drops& drops)
{
    std::chrono::nanoseconds cpu {};
    char label[64];
    for (int drop = 1; drop <= QuietDrops; ++drop) {
        const auto [spanCpu, sinkState] = board.StayQuiet();
        cpu += spanCpu;
        std::snprintf(label, sizeof label, "after %lld s quiet, sink %s",
                      static_cast<long long>(std::chrono::seconds(Quiet).count()), sinkState.c_str());
        MeasureDrop(board, drops, label);
    }
    return cpu;
}

Figures MeasureDrops(SoundingBoard& board, int drops)
{
    Figures figures;
    char label[64];
    for (int drop = 1; drop <= drops; ++drop) {
        std::snprintf(label, sizeof label, "drop %2d", drop);
        MeasureDrop(board, figures.warm, label);
    }
    const std::chrono::nanoseconds idleCpu = MeasureQuietDrops(board, figures.afterQuiet);
    figures.idleCpuPercent = 100.0 * static_cast<double>(idleCpu.count()) /
        static_cast<double>(std::chrono::nanoseconds(Quiet * QuietDrops).count());
    std::printf("idle game, output held: %.3f %% of a core\n", figures.idleCpuPercent);
    // The same with the output let go, as before the game held it; the
    // board's own hold asks again only when the player's situation changes.
    board.form.grajek->KeepAwake(false);
    MeasureQuietDrops(board, figures.afterQuietLetGo);
    return figures;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QJsonArray HeardArray(const Drops& drops)
{
    QJsonArray heard;
    for (double milliseconds : drops.heardMilliseconds)
        heard.append(milliseconds);
    return heard;
}

void SaveFigures(const QString& path, const QString& server, const Figures& figures)
{
    const QJsonObject json {{"server", server},
                            {"heard_ms", HeardArray(figures.warm)},
                            {"unheard", figures.warm.unheard},
                            {"quiet_heard_ms", HeardArray(figures.afterQuiet)},
                            {"quiet_unheard", figures.afterQuiet.unheard},
                            {"let_go_heard_ms", HeardArray(figures.afterQuietLetGo)},
                            {"let_go_unheard", figures.afterQuietLetGo.unheard},
                            {"idle_cpu_percent", figures.idleCpuPercent}};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(json).toJson()) < 0)
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCommandLineParser arguments;
    arguments.addHelpOption();
    const QCommandLineOption drops({"n", "drops"}, "How many drops to time (25).", "count", "25");
    const QCommandLineOption json("json", "Write the latencies to this JSON file.", "file");
    const QCommandLineOption server("server", "The sound server's name, for the JSON file.", "name");
    const QCommandLineOption monitor("monitor", "The default sink's monitor.", "source", "@DEFAULT_MONITOR@");
    arguments.addOptions({drops, json, server, monitor});
    arguments.process(application);

    try {
        SoundingBoard board(arguments.value(monitor).toStdString());
        std::printf("first drop, not counted: %s\n", board.WarmUp().c_str());
        const Figures figures = MeasureDrops(board, std::max(1, arguments.value(drops).toInt()));
        for (const auto& [name, timed] : {std::pair {"drops", &figures.warm},
                                          {"drops after quiet", &figures.afterQuiet},
                                          {"drops after quiet, output let go", &figures.afterQuietLetGo}})
            if (!timed->heardMilliseconds.empty())
                std::printf("median of %zu %s heard: %.2f ms; %d not heard\n",
                            timed->heardMilliseconds.size(), name, Median(timed->heardMilliseconds),
                            timed->unheard);
        if (arguments.isSet(json))
            SaveFigures(arguments.value(json), arguments.value(server), figures);
        const bool allHeard = figures.warm.unheard == 0 && figures.afterQuiet.unheard == 0 &&
            figures.afterQuietLetGo.unheard == 0;
        return allHeard ? 0 : 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
