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

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <thread>
#include <vector>

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

// A test-mode board, so that no clock ends the game, with the game's own
// playback and the sound on, as at start.
struct SoundingBoard {
    explicit SoundingBoard(const std::string& monitor)
        : listener(monitor)
    {
        settings.CurrentLevel = kwintor::TestMode;
        settings.OperandCount = 5;
        form.NewRound();
        form.show();
    }

    // The time from the drop to its sound; nothing when none came. Throws
    // what the drop handler throws: the text of the board's error box.
    std::optional<Clock::duration> DropAndListen(Clock::duration patience = Patience)
    {
        RunEventsUntil([&] { return Clock::now() - listener.LastHeard() >= QuietBeforeDrop; }, Patience);
        const Clock::time_point dropped = Clock::now();
        listener.Arm(dropped);
        form.Image5DragDrop(*form.Image5, *form.Image2);
        if (!RunEventsUntil([&] { return listener.Heard().has_value(); }, patience))
            return std::nullopt;
        return *listener.Heard() - dropped;
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

    kwintor::Settings settings;
    kwintor::TForm1 form {settings};
    MonitorListener listener;
};

struct Figures {
    std::vector<double> heardMilliseconds;
    int unheard = 0;
};

Figures MeasureDrops(SoundingBoard& board, int drops)
{
    Figures figures;
    for (int drop = 1; drop <= drops; ++drop) {
        std::string why;
        try {
            if (const std::optional<Clock::duration> latency = board.DropAndListen()) {
                figures.heardMilliseconds.push_back(Milliseconds(*latency).count());
                std::printf("drop %2d: %6.2f ms\n", drop, figures.heardMilliseconds.back());
                continue;
            }
            why = board.listener.Failure();
            if (why.empty())
                why = "no sound within " + std::to_string(std::chrono::seconds(Patience).count()) + " s";
        } catch (const std::exception& error) {
            why = error.what();
        }
        ++figures.unheard;
        std::printf("drop %2d: not heard: %s\n", drop, why.c_str());
    }
    return figures;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void SaveFigures(const QString& path, const QString& server, const Figures& figures)
{
    QJsonArray heard;
    for (double milliseconds : figures.heardMilliseconds)
        heard.append(milliseconds);
    const QJsonObject json {{"server", server}, {"heard_ms", heard}, {"unheard", figures.unheard}};
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
        if (!figures.heardMilliseconds.empty())
            std::printf("median of %zu drops heard: %.2f ms; %d not heard\n",
                        figures.heardMilliseconds.size(), Median(figures.heardMilliseconds), figures.unheard);
        if (arguments.isSet(json))
            SaveFigures(arguments.value(json), arguments.value(server), figures);
        return figures.unheard == 0 ? 0 : 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
