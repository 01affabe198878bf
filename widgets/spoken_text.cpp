// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_text.h"

#include <algorithm>

namespace kwintor {

void SpokenText::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

// Offsets out of range are clamped, as a reader may ask past the end; -1
// for the end means the end of the text.
QString SpokenText::text(int startOffset, int endOffset) const
{
    const QString content = SpokenContent();
    const int size = int(content.size());
    const int end = endOffset < 0 ? size : std::clamp(endOffset, 0, size);
    const int start = std::clamp(startOffset, 0, end);
    return content.mid(start, end - start);
}

// The text has no attributes: one run of none covers all of it.
QString SpokenText::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace kwintor
