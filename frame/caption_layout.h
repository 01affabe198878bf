// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QRect>

#include <optional>
#include <vector>

namespace kwintor {

enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

// A rectangle by its edges, right and bottom exclusive, as the caption
// arithmetic counts.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    bool operator==(const EdgeRect&) const = default;
};

enum class CaptionButtonKind { Close, Minimize, Maximize, Restore, Help };

struct CaptionButton {
    CaptionButtonKind kind;
    EdgeRect rect;
    bool inactive = false;  // shown but without effect
    bool operator==(const CaptionButton&) const = default;
};

// The frame around caption and client area. A maximised window has none:
// its caption meets the screen's top edge and its buttons the corner.
int FrameWidth(TBorderStyle style, bool maximized);

// The caption bar in window coordinates of a window `outer` pixels large;
// empty without a border.
EdgeRect CaptionBarBounds(TBorderStyle style, QSize outer, bool maximized);

// What frame and caption take from each side of the window.
QMargins ClientMargins(TBorderStyle style, bool maximized);

// Where the icon goes in the text rectangle `text`, whose left edge then moves
// past it; none for styles without one.
std::optional<EdgeRect> TakeIconPlace(TBorderStyle style, TBorderIcons icons, EdgeRect& text);

// The caption buttons from right to left in `text`, whose right edge then
// moves left of them.
std::vector<CaptionButton> TakeButtonPlaces(TBorderStyle style, TBorderIcons icons, bool maximized,
                                            EdgeRect& text);

// Where presses count for `buttons`, which lie right to left in `bar`.
// On a maximised window the buttons reach the bar's top, and the rightmost
// its right end: the screen's top-right pixel closes the window.
std::vector<CaptionButton> ButtonTargets(std::vector<CaptionButton> buttons, const EdgeRect& bar,
                                         bool maximized);

// Styles whose windows the player can size.
bool IsSizeable(TBorderStyle style);

}  // namespace kwintor
