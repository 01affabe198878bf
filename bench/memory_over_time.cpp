// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Resident memory of a long evening of play: the board's own handlers,
// headless, games one round longer each, as the soak test plays them.
#include <QApplication>

#include <cstdio>

#include "game_fixture.h"
#include "resident_memory.h"
#include "soak_rounds.h"

namespace {

// The tests' fake keeps a list of every sound, which would be counted here.
class NoSound : public kwintor::WavePlayback {
public:
    void Open(const QString&) override { }
    void Play() override { }
    void KeepAwake(bool) override { }
};

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    GameFixture game({}, std::make_unique<NoSound>());
    if (!game.ShowBoard())
        return 1;
    SoakRounds player(game, [] {});

    int played = 0;
    int rounds = 1;
    for (const int checkpoint : {100, 10000}) {
        for (; played < checkpoint; ++rounds) {
            if (!player.PlayGame(rounds, QStringLiteral("Gracz %1").arg(rounds)))
                return 1;
            played += rounds;
        }
        std::printf("rss-after-rounds %d %lld\n", played, kwintor::bench::ResidentKilobytes());
        std::fflush(stdout);
    }
    return 0;
}
