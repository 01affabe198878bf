// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <cstdio>

#include "allocation_counter.h"
#include "benchmarks.h"

namespace {

// Without the replaced operator new linked in, every count would read 0 and
// prove nothing.
bool AllocationsAreCounted()
{
    const std::size_t before = kwintor::bench::AllocationCount();
    auto* probe = new int(0);
    benchmark::DoNotOptimize(probe);
    delete probe;
    if (kwintor::bench::AllocationCount() > before)
        return true;
    std::fprintf(stderr, "the allocation counter missed an allocation\n");
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!AllocationsAreCounted() || !kwintor::bench::EvaluatorsAgree())
        return 1;
    kwintor::bench::RegisterGenerationBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
