// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_difficulty_dialog.h"

#include <array>
#include <utility>

#include "error_display.h"
#include "placed.h"
#include "prompts.h"
#include "window_frame.h"

namespace kwintor {

TForm2* Form2 = nullptr;

namespace {

QCheckBox* NewOperatorBox(QGroupBox* group, const char* name, const QString& caption, int top)
{
    auto* box = Placed(new QCheckBox(caption, group), name, {10, top, 119, 21});
    box->setChecked(true);
    return box;
}

}  // namespace

TForm2::TForm2(Settings& settings, QWidget* parent)
    : TGradientForm(parent)
    , settings_(settings)
{
    SetUpWindowFrame(*this, QStringLiteral("Wybór poziomu trudności"), CaptionButtons::None,
                     {200, 108, 377, 316}, WindowFontHeight);
    CreateRangeGroup();
    CreateOperatorGroup();
    CreateButtons();
    setTabOrder(Ok, Anuluj);
    setTabOrder(Anuluj, dodawanie);
    setTabOrder(dodawanie, Odejmowanie);
    setTabOrder(Odejmowanie, Mnozenie);
    setTabOrder(Mnozenie, dzielenie);
    setTabOrder(dzielenie, zl);
    setTabOrder(zl, zak);
    FormCreate();
}

void TForm2::CreateRangeGroup()
{
    GroupBox2 =
        Placed(new QGroupBox(QStringLiteral("Zakres testu"), ClientArea()), "GroupBox2", {10, 0, 346, 90});
    Label1 = Placed(new QLabel(QStringLiteral("Liczba działań do odgadnięcia :"), GroupBox2), "Label1",
                    {10, 30, 232, 19});
    zl = Placed(new StepSpinBox(1, 4, 1, 1, GroupBox2), "zl", {286, 20, 40, 26});
    Label2 = Placed(new QLabel(QStringLiteral("Zakres liczb używanych w grze : od zera do"), GroupBox2),
                    "Label2", {4, 59, 312, 20});
    zak = Placed(new StepSpinBox(5, 15, 1, 10, GroupBox2), "zak", {276, 59, 50, 26});
}

void TForm2::CreateOperatorGroup()
{
    GroupBox1 = Placed(new QGroupBox(QStringLiteral("Działania użyte w teście"), ClientArea()), "GroupBox1",
                       {10, 98, 346, 140});
    dodawanie = NewOperatorBox(GroupBox1, "dodawanie", QStringLiteral("Dodawanie"), 20);
    Odejmowanie = NewOperatorBox(GroupBox1, "Odejmowanie", QStringLiteral("Odejmowanie"), 49);
    Mnozenie = NewOperatorBox(GroupBox1, "Mnozenie", QStringLiteral("Mnożenie"), 79);
    dzielenie = NewOperatorBox(GroupBox1, "dzielenie", QStringLiteral("Dzielenie"), 108);
}

void TForm2::CreateButtons()
{
    Ok = Placed(new QPushButton(QStringLiteral("Ok"), ClientArea()), "Ok", {39, 246, 93, 31});
    Anuluj = Placed(new QPushButton(QStringLiteral("Anuluj"), ClientArea()), "Anuluj", {158, 246, 92, 31});
    connect(Ok, &QPushButton::clicked, this, Guarded([this] { OkClick(); }));
    connect(Anuluj, &QPushButton::clicked, this, Guarded([this] { AnulujClick(); }));
}

void TForm2::FormCreate() { SetCaptionGradient(*this); }

OperatorMask TForm2::CheckedOperators() const
{
    const std::array<std::pair<const QCheckBox*, OperatorCode>, 4> boxes {{
        {dodawanie, OperatorCode::Plus},
        {Odejmowanie, OperatorCode::Minus},
        {dzielenie, OperatorCode::Division},
        {Mnozenie, OperatorCode::Multiplication},
    }};
    OperatorMask mask = 0;
    for (const auto& [box, code] : boxes) {
        if (box->isChecked())
            mask |= MaskBit(code);
    }
    return mask;
}

void TForm2::OkClick()
{
    const OperatorMask mask = CheckedOperators();
    if (mask == 0) {
        // The game could not build a single test equation without an operator.
        ShowMessageBox(QStringLiteral("Zaznacz co najmniej jedno działanie."));
        return;
    }
    settings_.OperandCount = static_cast<std::uint8_t>(zl->value() + 1);
    settings_.OperatorMask = mask;
    settings_.TestLargestOperand = static_cast<std::uint8_t>(zak->value());
    SetModalResult(mrOk);
    settings_.CurrentLevel = TestMode;
}

void TForm2::AnulujClick() { SetModalResult(mrCancel); }

}  // namespace kwintor
