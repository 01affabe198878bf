// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_metrics.h"

#include <QApplication>
#include <QStyle>

#include <array>

namespace kwintor::desktop {

namespace {

constexpr std::array<QRgb, 21> ClassicScheme = {
    0xC0C0C0,  // scroll bar
    0x008080,  // desktop background
    0x000080,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x000080,  // highlight
    0xFFFFFF,  // highlighted text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
};

QFont FontOf(const QStringList& families, int pixelHeight, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

}  // namespace

QColor SystemColor(unsigned char index)
{
    return index < ClassicScheme.size() ? QColor::fromRgb(ClassicScheme[index]) : QColor(Qt::black);
}

QPalette ClassicPalette()
{
    QPalette palette(
        SystemColor(ColorButtonText), SystemColor(ColorButtonFace), SystemColor(ColorButtonHighlight),
        SystemColor(ColorButtonShadow), SystemColor(ColorButtonShadow), SystemColor(ColorWindowText),
        SystemColor(ColorButtonHighlight), SystemColor(ColorWindow), SystemColor(ColorButtonFace));
    palette.setColor(QPalette::Highlight, SystemColor(ColorHighlight));
    palette.setColor(QPalette::HighlightedText, SystemColor(ColorHighlightText));
    palette.setColor(QPalette::Disabled, QPalette::Text, SystemColor(ColorGrayText));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, SystemColor(ColorGrayText));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, SystemColor(ColorGrayText));
    return palette;
}

QFont SansSerifFont(int pixelHeight, bool bold)
{
    return FontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}, pixelHeight, bold);
}

QFont SerifFont(int pixelHeight, bool bold)
{
    return FontOf({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}, pixelHeight, bold);
}

QFont CaptionFont() { return SansSerifFont(11, true); }

QFont SmallCaptionFont() { return SansSerifFont(10, true); }

QIcon DefaultApplicationIcon() { return QApplication::style()->standardIcon(QStyle::SP_TitleBarMenuButton); }

}  // namespace kwintor::desktop
