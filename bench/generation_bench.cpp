// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "benchmarks.h"
#include "equation.h"
#include "level_table.h"
#include "random_source.h"

namespace kwintor::bench {

namespace {

constexpr std::uint32_t GenerationSeed = 8122026;

// One round's set-up: the equation, its target and the text on screen.
void GenerateRound(benchmark::State& state, std::uint8_t operandCount, OperatorMask mask,
                   std::uint8_t largestOperand)
{
    SeedRandom(GenerationSeed);
    std::string text;
    for (auto _ : state) {
        if (!GenerateEquation(operandCount, mask, largestOperand)) {
            state.SkipWithError("the row cannot generate an equation");
            break;
        }
        benchmark::DoNotOptimize(EquationTarget(operandCount));
        FormatEquation(operandCount, text);
        benchmark::DoNotOptimize(text.data());
    }
}

// A row without an operand count plays with whatever count the game has, so
// it is timed with each; one without a mask with every operator allowed.
void RegisterRow(const std::string& levels, const LevelRow& row)
{
    const std::uint8_t fewest = row.OperandCount.value_or(2);
    const std::uint8_t most = row.OperandCount.value_or(MaxOperands);
    const OperatorMask mask = row.GenerationMask.value_or(AllOperators);
    for (std::uint8_t count = fewest; count <= most; ++count) {
        const std::string name = "GenerateRound/levels:" + levels + "/operands:" + std::to_string(count);
        benchmark::RegisterBenchmark(name.c_str(), GenerateRound, count, mask, row.LargestOperand)
            ->Repetitions(10)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace

void RegisterGenerationBenchmarks()
{
    for (const LevelRange& range : LevelTable) {
        const std::string first = std::to_string(range.First);
        RegisterRow(range.First == range.Last ? first : first + "-" + std::to_string(range.Last), range.Row);
    }
    RegisterRow("other", DefaultLevelRow);
}

}  // namespace kwintor::bench
