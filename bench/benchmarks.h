// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kwintor::bench {

// Evaluates every benchmarked expression with both evaluators once; false,
// after saying why on stderr, when any value differs or either one fails.
bool EvaluatorsAgree();

// One generation benchmark per level row and operand count.
void RegisterGenerationBenchmarks();

}  // namespace kwintor::bench
