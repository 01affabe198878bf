// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QValidator;

namespace kwintor {

// What ShowMessageBox reports.
enum MessageBoxResult : int {
    MessageBoxOk = 1,  // the OK button, Enter or Escape
    MessageBoxClosed = 2,  // closed through the window frame
};

// Whatever asks the player in a modal box and waits for the answer. The
// real boxes answer unless a PromptsInPlace has put others in their place.
class Prompts {
public:
    virtual int MessageBox(const QString& text) = 0;
    virtual QString InputBox(const QString& caption, const QString& prompt, const QString& initialText,
                             const QValidator* validator) = 0;
    virtual void ErrorDisplay(const QString& message) = 0;

protected:
    ~Prompts() = default;
};

// Puts `prompts` in place of the current ones until it goes, then the ones
// before answer again. Scopes nest; `prompts` must outlive this.
class PromptsInPlace {
public:
    explicit PromptsInPlace(Prompts& prompts);
    ~PromptsInPlace();
    PromptsInPlace(const PromptsInPlace&) = delete;
    PromptsInPlace& operator=(const PromptsInPlace&) = delete;

private:
    Prompts* previous_;
};

// The callers keep these three names: only a test needs to know who answers.

// A modal box with the application title as caption, no icon and one "OK"
// button that is both default and cancel button.
int ShowMessageBox(const QString& text);

// A modal box centred on the screen asking for one line of at most 255
// characters, `initialText` fully selected, "OK" (default) and "Cancel".
// Returns the edited text after OK and `initialText` otherwise. A
// `validator` refuses or changes what is typed or pasted into the line.
QString InputBox(const QString& caption, const QString& prompt, const QString& initialText,
                 const QValidator* validator = nullptr);

// The box for an error nothing else caught: the application title as
// caption, `message` followed by ".", a stop icon and OK. Modal.
void ShowErrorDisplay(const QString& message);

}  // namespace kwintor
