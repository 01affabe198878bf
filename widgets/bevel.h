// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace kwintor {

// A frame drawn by the window in its shadow and highlight colours: a
// sunken or raised box, a rectangular outline, or a line along the top.
class Bevel : public QWidget {
    Q_OBJECT

public:
    enum class Shape { Box, Frame, TopLine };
    enum class Style { Lowered, Raised };

    Bevel(Shape shape, Style style, QWidget* parent = nullptr);

    Shape BevelShape() const { return shape_; }
    Style BevelStyle() const { return style_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
    Style style_;
};

}  // namespace kwintor
