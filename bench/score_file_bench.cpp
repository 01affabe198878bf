// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <stdexcept>

#include "score_table.h"

namespace {

// A score file of fifteen entries, `size` bytes long, in a folder of its own
// that is the current one while this lives.
class ScoreFileFolder {
public:
    explicit ScoreFileFolder(qint64 size = 0)
    {
        QDir::setCurrent(directory_.path());
        QFile file(kwintor::ScoreFileName);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error(file.errorString().toStdString());
        for (int entry = 1; entry <= 15; ++entry)
            file.write("Zażółć gęślą jaźń " + QByteArray::number(entry) + "\r\n" +
                       QByteArray::number(100 - entry) + "\r\n");
        if (size > file.size())
            file.resize(size);
    }
    ~ScoreFileFolder() { QDir::setCurrent(previous_); }
    ScoreFileFolder(const ScoreFileFolder&) = delete;
    ScoreFileFolder& operator=(const ScoreFileFolder&) = delete;

private:
    QTemporaryDir directory_;
    QString previous_ = QDir::currentPath();
};

// One load and one save of a full table, as the best-scores dialog does.
void BM_LoadAndSaveScoreFile(benchmark::State& state)
{
    const ScoreFileFolder folder;
    for (auto _ : state) {
        kwintor::LoadScoreTable();
        kwintor::SaveScoreTable();
    }
}
BENCHMARK(BM_LoadAndSaveScoreFile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// A file grown to 200 MiB of zero bytes after its entries, by accident or
// malice: the load reads the entries and stops there.
void BM_LoadHugeScoreFile(benchmark::State& state)
{
    constexpr qint64 size = qint64 {200} << 20;
    const ScoreFileFolder folder(size);
    if (QFileInfo(kwintor::ScoreFileName).size() != size)
        state.SkipWithError("the score file did not grow to 200 MiB");
    for (auto _ : state)
        kwintor::LoadScoreTable();
}
BENCHMARK(BM_LoadHugeScoreFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
