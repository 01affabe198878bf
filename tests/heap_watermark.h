// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

// The most heap memory the program held at once since the last Reset. The
// test executable that links heap_watermark.cpp routes malloc and its
// kin through it; under AddressSanitizer, which owns malloc, it cannot.
namespace heap_watermark {

bool Supported();

// Starts a new watermark at the memory held now.
void Reset();

// How far the heap rose above what it held at the last Reset.
std::size_t PeakGrowth();

}  // namespace heap_watermark
