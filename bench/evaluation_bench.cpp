// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "benchmarks.h"
#include "equation.h"
#include "evaluator.h"
#include "random_source.h"

namespace kwintor::bench {

namespace {

constexpr std::uint32_t ExpressionSeed = 20261208;
constexpr std::size_t ExpressionCount = 1000;
constexpr std::uint8_t LargestOperand = 20;

// What the game itself asks the evaluator, drawn once so that every run and
// both evaluators see the same texts.
const std::vector<std::string>& GameExpressions()
{
    static const std::vector<std::string> expressions = [] {
        SeedRandom(ExpressionSeed);
        std::vector<std::string> texts(ExpressionCount);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto operandCount = static_cast<std::uint8_t>(2 + i % 4);
            if (!GenerateEquation(operandCount, AllOperators, LargestOperand))
                throw std::logic_error("the engine refused to generate a game equation");
            FormatEquation(operandCount, texts[i]);
        }
        return texts;
    }();
    return expressions;
}

std::int64_t EvaluationsDone(const benchmark::State& state)
{
    return static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(ExpressionCount);
}

void BM_EvaluateExpression(benchmark::State& state)
{
    const auto& texts = GameExpressions();
    std::size_t allocations = 0;
    for (auto _ : state) {
        const std::size_t before = AllocationCount();
        for (const std::string& text : texts) {
            EvalStatus.Code = NoError;
            benchmark::DoNotOptimize(EvaluateExpression(text));
        }
        allocations += AllocationCount() - before;
    }
    state.SetItemsProcessed(EvaluationsDone(state));
    state.counters["allocations_per_eval"] =
        static_cast<double>(allocations) / static_cast<double>(EvaluationsDone(state));
}

// SetExpr only stores the text; the first Eval after it parses, so each
// pass measures parsing and evaluation, as EvaluateExpression does.
void BM_MuparserSetExprEval(benchmark::State& state)
{
    const auto& texts = GameExpressions();
    mu::Parser parser;
    for (auto _ : state) {
        for (const std::string& text : texts) {
            parser.SetExpr(text);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    state.SetItemsProcessed(EvaluationsDone(state));
}

}  // namespace

BENCHMARK(BM_EvaluateExpression)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_MuparserSetExprEval)->Repetitions(10)->ReportAggregatesOnly(true);

bool EvaluatorsAgree()
{
    mu::Parser parser;
    for (const std::string& text : GameExpressions()) {
        EvalStatus.Code = NoError;
        const long double ours = EvaluateExpression(text);
        if (EvalStatus.Code != NoError) {
            std::fprintf(stderr, "EvaluateExpression failed on %s with code %d\n", text.c_str(),
                         EvalStatus.Code);
            return false;
        }
        try {
            parser.SetExpr(text);
            const double theirs = parser.Eval();
            if (static_cast<long double>(theirs) != ours) {
                std::fprintf(stderr, "%s: EvaluateExpression gives %Lg, muparser %g\n", text.c_str(), ours,
                             theirs);
                return false;
            }
        } catch (const mu::Parser::exception_type& error) {
            std::fprintf(stderr, "muparser failed on %s: %s\n", text.c_str(), error.GetMsg().c_str());
            return false;
        }
    }
    return true;
}

}  // namespace kwintor::bench
