// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label.h"

#include "reader_tree.h"
#include "text_width.h"

namespace kwintor {

Label::Label(QWidget* parent)
    : QLabel(parent)
{
    InstallReaderTree();
    setMargin(0);
    setIndent(0);
}

void Label::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitToCaption();
}

void Label::SetCaption(const QString& caption)
{
    setText(caption);
    FitToCaption();
    NameForScreenReader();
}

void Label::SetSpokenName(const QString& name)
{
    spokenName_ = name;
    NameForScreenReader();
}

void Label::FitToCaption()
{
    if (autoSize_)
        resize(TextWidth(font(), text()), fontMetrics().height());
}

void Label::NameForScreenReader()
{
    if (!spokenName_.isEmpty())
        setAccessibleName(spokenName_ + QStringLiteral(": ") + text());
}

}  // namespace kwintor
