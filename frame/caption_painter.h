// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include "caption_layout.h"
#include "gradient_tables.h"

class QPainter;

namespace kwintor {

// The first `count` colours of `table` across `bar`, left to right.
void FillGradientBar(QPainter& painter, const QRect& bar, const GradientTable& table, int count,
                     bool paletteSurface);

// A caption button of the classic desktop, raised, with its glyph.
void DrawCaptionButton(QPainter& painter, const CaptionButton& button);

// One line left-aligned and centred vertically in `place`, cut with an
// ellipsis at its end when it does not fit.
void DrawCaptionText(QPainter& painter, const QRect& place, const QString& text, const QColor& color);

}  // namespace kwintor
