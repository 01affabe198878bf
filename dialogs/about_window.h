// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

#include "gradient_form.h"

namespace kwintor {

// The about window, shown without waiting. What the player types into its
// text stays until the program ends.
class TForm4 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);

    // Shows the window, or brings it to the front when it is open already.
    void ShowAbout();

    QPlainTextEdit* Memo1;
    QPushButton* Button1;

private:
    void FormCreate();
    void Button1Click();
};

extern TForm4* Form4;

}  // namespace kwintor
