# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""How the bench scripts write numbers: thousands grouped by spaces, as the
README does, three significant digits, durations in the unit that keeps
them readable."""

import math


def grouped(value, decimals=0):
    return f"{value:,.{decimals}f}".replace(",", " ")


def significant(value, digits=3):
    decimals = max(0, digits - 1 - math.floor(math.log10(abs(value)))) if value else 0
    return grouped(value, decimals)


def duration(seconds):
    for unit, scale in (("s", 1), ("ms", 1e-3), ("µs", 1e-6)):
        if seconds >= scale:
            return f"{significant(seconds / scale)} {unit}"
    return f"{significant(seconds / 1e-9)} ns"


def ratio(value):
    return f"{significant(value)}×"
