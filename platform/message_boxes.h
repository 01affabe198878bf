// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QValidator>

namespace kwintor {

// What ShowMessageBox reports.
enum MessageBoxResult : int {
    MessageBoxOk = 1,  // the OK button, Enter or Escape
    MessageBoxClosed = 2,  // closed through the window frame
};

// A modal box with the application title as caption, no icon and one "OK"
// button that is both default and cancel button.
int ShowMessageBox(const QString& text);

// A validator that tells the player why it changed what was typed or
// pasted; the input box shows what it said last under the line.
class ExplainingValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

signals:
    void Explained(const QString& explanation) const;
};

// A modal box centred on the screen asking for one line of at most 255
// characters, `initialText` fully selected, "OK" (default) and "Cancel".
// Returns the edited text after OK and `initialText` otherwise. A
// `validator` refuses or changes what is typed or pasted into the line.
QString InputBox(const QString& caption, const QString& prompt, const QString& initialText,
                 const QValidator* validator = nullptr);

}  // namespace kwintor
