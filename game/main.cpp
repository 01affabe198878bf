// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

int main(int argc, char* argv[]) { return kwintor::RunKwintor(argc, argv); }
