// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_level_dialog.h"

#include <QVBoxLayout>

#include "error_display.h"
#include "placed.h"
#include "window_frame.h"

namespace kwintor {

TForm3* Form3 = nullptr;

TForm3::TForm3(Settings& settings, QWidget* parent)
    : TGradientForm(parent)
    , settings_(settings)
{
    SetUpWindowFrame(*this, QStringLiteral("Opcje "), CaptionButtons::None, {227, 115, 236, 150},
                     WindowFontHeight);
    wybor = Placed(new QGroupBox(QStringLiteral("Wybór poziomu :")), "wybor", {0, 0, 228, 119});
    // The group is the whole dialog, whatever size the client area takes.
    auto* layout = new QVBoxLayout(ClientArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(wybor);
    Label1 =
        Placed(new QLabel(QStringLiteral("Zaczynaj grę od poziomu"), wybor), "Label1", {10, 30, 184, 19});
    SpinEdit1 = Placed(new StepSpinBox(1, 30, 10, 1, wybor), "SpinEdit1", {167, 30, 51, 26});
    Button1 = Placed(new QPushButton(QStringLiteral("Ok"), wybor), "Button1", {10, 69, 92, 31});
    Button2 = Placed(new QPushButton(QStringLiteral("Anuluj"), wybor), "Button2", {128, 69, 92, 31});
    setTabOrder(SpinEdit1, Button1);
    setTabOrder(Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    FormCreate();
}

void TForm3::FormCreate() { SetCaptionGradient(*this); }

void TForm3::Button1Click()
{
    settings_.StartLevel = SpinEdit1->value();
    SetModalResult(mrOk);
}

void TForm3::Button2Click() { SetModalResult(mrCancel); }

}  // namespace kwintor
