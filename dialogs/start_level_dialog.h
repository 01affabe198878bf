// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "gform.h"
#include "step_spin_box.h"

namespace kwintor {

// The start-level dialog: the level a new game starts from.
class TForm3 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

    QGroupBox* wybor;
    QLabel* Label1;
    StepSpinBox* SpinEdit1;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    void FormCreate();
    void Button1Click();
    void Button2Click();
};

extern TForm3* Form3;

}  // namespace kwintor
