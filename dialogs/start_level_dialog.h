// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "gradient_form.h"
#include "settings.h"
#include "step_spin_box.h"

namespace kwintor {

// The start-level dialog: the level a new game starts from, written into
// `settings` when confirmed.
class TForm3 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm3(Settings& settings, QWidget* parent = nullptr);

    QGroupBox* wybor;
    QLabel* Label1;
    StepSpinBox* SpinEdit1;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void FormCreate();
    void Button1Click();
    void Button2Click();

    Settings& settings_;
};

extern TForm3* Form3;

}  // namespace kwintor
