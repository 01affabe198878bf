// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

namespace kwintor {

// The look of a classic 96-DPI desktop, which the game's fixed pixel
// layouts were drawn for. Every window metric and system colour is here.
namespace desktop {

inline constexpr int SizingFrame = 4;  // border of a sizeable window
inline constexpr int DialogFrame = 3;  // border of a fixed-size window
// A caption includes the one-pixel line below its bar.
inline constexpr int CaptionHeight = 19;
inline constexpr int SmallCaptionHeight = 15;  // tool windows
inline constexpr int SmallIconSize = 16;
inline constexpr int SmallButtonWidth = 12;  // tool window caption buttons
inline constexpr int MinimumTrackWidth = 112;  // smallest window the player can size to
inline constexpr int MinimumTrackHeight = 27;

// System colours by their classic indices.
enum SystemColorIndex : unsigned char {
    ColorScrollBar = 0,
    ColorBackground = 1,
    ColorActiveCaption = 2,
    ColorInactiveCaption = 3,
    ColorMenu = 4,
    ColorWindow = 5,
    ColorWindowFrame = 6,
    ColorMenuText = 7,
    ColorWindowText = 8,
    ColorCaptionText = 9,
    ColorActiveBorder = 10,
    ColorInactiveBorder = 11,
    ColorAppWorkspace = 12,
    ColorHighlight = 13,
    ColorHighlightText = 14,
    ColorButtonFace = 15,
    ColorButtonShadow = 16,
    ColorGrayText = 17,
    ColorButtonText = 18,
    ColorInactiveCaptionText = 19,
    ColorButtonHighlight = 20,
};

// The colour of a system colour index in the classic scheme; black for an
// index the scheme does not name.
QColor SystemColor(unsigned char index);

// The classic scheme as a Qt palette, for the whole application.
QPalette ClassicPalette();

// "MS Sans Serif" and "Times New Roman", or the nearest installed faces,
// at a character height in pixels.
QFont SansSerifFont(int pixelHeight, bool bold = false);
QFont SerifFont(int pixelHeight, bool bold = false);

// The bold faces of window captions, normal and tool window.
QFont CaptionFont();
QFont SmallCaptionFont();

// The icon of a window whose program has none of its own.
QIcon DefaultApplicationIcon();

}  // namespace desktop
}  // namespace kwintor
