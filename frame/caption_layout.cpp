// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_layout.h"

#include "desktop_metrics.h"

namespace kwintor {

namespace {

bool IsToolWindow(TBorderStyle style) { return style == bsToolWindow || style == bsSizeToolWin; }

bool HasMinMax(TBorderStyle style) { return style == bsSingle || style == bsSizeable; }

int CaptionHeightOf(TBorderStyle style)
{
    return IsToolWindow(style) ? desktop::SmallCaptionHeight : desktop::CaptionHeight;
}

std::vector<CaptionButton> ToolWindowButtons(EdgeRect& text)
{
    EdgeRect place {text.left + 2, text.top + 2, text.right - 2, text.bottom - 2};
    place.left = place.right - desktop::SmallButtonWidth + 2;
    text.right = place.left - 5;
    return {{CaptionButtonKind::Close, place, false}};
}

// Moves `place` and the text's right edge `by` pixels to the left.
void ShiftLeft(EdgeRect& place, EdgeRect& text, int by)
{
    place.left -= by;
    place.right -= by;
    text.right -= by;
}

}  // namespace

bool IsSizeable(TBorderStyle style) { return style == bsSizeable || style == bsSizeToolWin; }

int FrameWidth(TBorderStyle style, bool maximized)
{
    if (style == bsNone || maximized)
        return 0;
    return IsSizeable(style) ? desktop::SizingFrame : desktop::DialogFrame;
}

EdgeRect CaptionBarBounds(TBorderStyle style, QSize outer, bool maximized)
{
    if (style == bsNone)
        return {};
    const int frame = FrameWidth(style, maximized);
    return {frame, frame, outer.width() - frame, frame + CaptionHeightOf(style) - 1};
}

QMargins ClientMargins(TBorderStyle style, bool maximized)
{
    const int frame = FrameWidth(style, maximized);
    const int caption = style == bsNone ? 0 : CaptionHeightOf(style);
    return {frame, frame + caption, frame, frame};
}

std::vector<CaptionButton> ButtonTargets(std::vector<CaptionButton> buttons, const EdgeRect& bar,
                                         bool maximized)
{
    if (!maximized || buttons.empty())
        return buttons;
    for (CaptionButton& button : buttons)
        button.rect.top = bar.top;
    buttons.front().rect.right = bar.right;
    return buttons;
}

std::optional<EdgeRect> TakeIconPlace(TBorderStyle style, TBorderIcons icons, EdgeRect& text)
{
    if ((icons & biSystemMenu) == 0 || !HasMinMax(style))
        return std::nullopt;
    const int size = desktop::SmallIconSize;
    const EdgeRect icon {text.left + 1, text.top + 1, text.left + 1 + size, text.top + 1 + size};
    text.left += size + 1;
    return icon;
}

std::vector<CaptionButton> TakeButtonPlaces(TBorderStyle style, TBorderIcons icons, bool maximized,
                                            EdgeRect& text)
{
    if (IsToolWindow(style))
        return ToolWindowButtons(text);
    int s = desktop::SmallIconSize - 2;
    if (s % 2 != text.Height() % 2)
        ++s;
    EdgeRect place {text.right - 2 - s - 2, text.top + 2, text.right - 2, text.bottom - 2};
    std::vector<CaptionButton> buttons;
    if (icons & biSystemMenu) {
        buttons.push_back({CaptionButtonKind::Close, place, false});
        ShiftLeft(place, text, s + 4);
    }
    const bool minMax = HasMinMax(style) && (icons & (biMinimize | biMaximize)) != 0;
    if (minMax) {
        const auto kind = maximized ? CaptionButtonKind::Restore : CaptionButtonKind::Maximize;
        buttons.push_back({kind, place, (icons & biMaximize) == 0});
        ShiftLeft(place, text, s + 2);
        buttons.push_back({CaptionButtonKind::Minimize, place, (icons & biMinimize) == 0});
        ShiftLeft(place, text, s + 2);
    }
    if ((icons & biHelp) && (style == bsDialog || (HasMinMax(style) && !minMax))) {
        buttons.push_back({CaptionButtonKind::Help, place, false});
        text.right -= s + 2;
    }
    text.right -= 3;
    return buttons;
}

}  // namespace kwintor
