// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include "about_text.h"
#include "error_display.h"
#include "placed.h"
#include "window_display.h"
#include "window_frame.h"

namespace kwintor {

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : TGradientForm(parent)
{
    SetUpWindowFrame(*this, QStringLiteral("O programie"), CaptionButtons::All, {200, 108, 434, 353},
                     WindowFontHeight);
    Memo1 = Placed(new QPlainTextEdit(AboutText(), ClientArea()), "Memo1", {0, 10, 425, 267});
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the text for the button rather than landing in it.
    Memo1->setTabChangesFocus(true);
    Button1 = Placed(new QPushButton(QStringLiteral("Ok"), ClientArea()), "Button1", {177, 286, 93, 30});
    setTabOrder(Memo1, Button1);
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    FormCreate();
}

void TForm4::ShowAbout() { ShowModeless(*this); }

void TForm4::FormCreate() { SetCaptionGradient(*this); }

void TForm4::Button1Click() { close(); }

}  // namespace kwintor
