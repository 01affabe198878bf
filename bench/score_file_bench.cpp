// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "score_table.h"

namespace {

// One load and one save of a full table, as the best-scores dialog does.
void BM_LoadAndSaveScoreFile(benchmark::State& state)
{
    QTemporaryDir directory;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory.path());
    {
        QFile file(kwintor::ScoreFileName);
        file.open(QIODevice::WriteOnly);
        for (int entry = 1; entry <= 15; ++entry)
            file.write("Zażółć gęślą jaźń " + QByteArray::number(entry) + "\r\n" +
                       QByteArray::number(100 - entry) + "\r\n");
    }
    for (auto _ : state) {
        kwintor::LoadScoreTable();
        kwintor::SaveScoreTable();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_LoadAndSaveScoreFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
