// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "equation.h"
#include "gradient_form.h"
#include "settings.h"
#include "step_spin_box.h"

namespace kwintor {

// The test-difficulty dialog: how many operations and which operators,
// written into `settings` when confirmed.
class TForm2 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm2(Settings& settings, QWidget* parent = nullptr);

    // The operators of the checked boxes.
    OperatorMask CheckedOperators() const;

    QGroupBox* GroupBox2;
    QLabel* Label1;
    StepSpinBox* zl;
    QLabel* Label2;
    StepSpinBox* zak;
    QGroupBox* GroupBox1;
    QCheckBox* dodawanie;
    QCheckBox* Odejmowanie;
    QCheckBox* Mnozenie;
    QCheckBox* dzielenie;
    QPushButton* Ok;
    QPushButton* Anuluj;

private:
    void CreateRangeGroup();
    void CreateOperatorGroup();
    void CreateButtons();
    void FormCreate();
    void OkClick();
    void AnulujClick();

    Settings& settings_;
};

extern TForm2* Form2;

}  // namespace kwintor
