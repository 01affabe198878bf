// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>
#include <QString>

namespace kwintor {

// What a screen reader may review of an object that shows text it cannot
// edit: the whole of its spoken text, by character, word or line, without a
// caret, a selection or character positions on the screen.
class SpokenText : public QAccessibleTextInterface {
public:
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(SpokenContent().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    ~SpokenText() override = default;

private:
    virtual QString SpokenContent() const = 0;
};

}  // namespace kwintor
