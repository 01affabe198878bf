// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QValidator>

#include "prompts.h"

class QDialog;

namespace kwintor {

// Shows `box` modally and returns its result: in the desktop's frame
// unless ShowBoxesIn has put a window of the game's own around the boxes.
int RunBox(QDialog& box);

// Who shows the boxes from now on; null hands them back to the desktop.
using BoxWindow = int (*)(QDialog& box);
void ShowBoxesIn(BoxWindow show);

// The real box behind ShowMessageBox.
int StandardMessageBox(const QString& text);

// A validator that tells the player why it changed what was typed or
// pasted; the input box shows what it said last under the line.
class ExplainingValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

signals:
    void Explained(const QString& explanation) const;
};

// The real box behind InputBox; it shows what an ExplainingValidator says.
QString StandardInputBox(const QString& caption, const QString& prompt, const QString& initialText,
                         const QValidator* validator);

}  // namespace kwintor
