// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>
#include <QPushButton>

#include "gradient_form.h"

namespace kwintor {

// The best-scores dialog: the fifteen entries of ScoreTable, saved again
// when the player confirms them.
class Tnaj2 : public TGradientForm {
    Q_OBJECT

public:
    explicit Tnaj2(QWidget* parent = nullptr);

    // Lists ScoreTable as it is now, name and score on each line.
    void FormShow();

    QListWidget* ListBox1;
    QPushButton* Button1;
    // Shown once a save has failed, so that the player is never held here.
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void Button1Click();
};

extern Tnaj2* naj2;

}  // namespace kwintor
