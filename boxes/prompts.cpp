// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prompts.h"

#include <utility>

#include "error_display.h"
#include "message_boxes.h"

namespace kwintor {

namespace {

class StandardBoxes final : public Prompts {
public:
    int MessageBox(const QString& text) override { return StandardMessageBox(text); }

    QString InputBox(const QString& caption, const QString& prompt, const QString& initialText,
                     const QValidator* validator) override
    {
        return StandardInputBox(caption, prompt, initialText, validator);
    }

    void ErrorDisplay(const QString& message) override { StandardErrorDisplay(message); }
};

StandardBoxes standardBoxes;
Prompts* current = &standardBoxes;

}  // namespace

PromptsInPlace::PromptsInPlace(Prompts& prompts)
    : previous_(std::exchange(current, &prompts))
{
}

PromptsInPlace::~PromptsInPlace() { current = previous_; }

int ShowMessageBox(const QString& text) { return current->MessageBox(text); }

QString InputBox(const QString& caption, const QString& prompt, const QString& initialText,
                 const QValidator* validator)
{
    return current->InputBox(caption, prompt, initialText, validator);
}

void ShowErrorDisplay(const QString& message) { current->ErrorDisplay(message); }

}  // namespace kwintor
