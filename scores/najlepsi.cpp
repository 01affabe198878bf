// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "najlepsi.h"

#include <QKeyEvent>

#include <algorithm>

#include "error_display.h"
#include "score_table.h"
#include "text_width.h"
#include "window_frame.h"

namespace kwintor {

Tnaj2* naj2 = nullptr;

namespace {

constexpr int ScoreColumn = 250;  // pixels from the start of a line

// What of `name` fits in `width`, cut with "…" where it does not. Only a
// growing beginning of the name is measured, so that a name of millions of
// characters costs about what fits.
QString Elided(const QString& name, const QFont& font, int width)
{
    qsizetype length = std::min<qsizetype>(name.size(), std::max(width, 1));
    while (length < name.size() && TextWidth(font, name.first(length)) <= width)
        length = std::min(name.size(), 2 * length);
    return QFontMetrics(font).elidedText(name.first(length), Qt::ElideRight, width);
}

// The name, then blanks until the line is at least ScoreColumn wide, then
// the score. A name wider than the list is cut short where the list ends,
// so that its score stays in view and repaints draw only what shows.
QString ListLine(const Twynik& entry, const QFont& font, int listWidth)
{
    const QString score = QString::number(entry.Score);
    QString line = Elided(entry.Name, font, listWidth - TextWidth(font, score));
    while (TextWidth(font, line) < ScoreColumn)
        line += QLatin1Char(' ');
    return line + score;
}

}  // namespace

Tnaj2::Tnaj2(QWidget* parent)
    : TGradientForm(parent)
{
    setObjectName(QStringLiteral("naj2"));
    SetUpWindowFrame(*this, QStringLiteral("Lista najlepszych :"), CaptionButtons::None, {200, 105, 430, 412},
                     WindowFontHeight);

    ListBox1 = new QListWidget(ClientArea());
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(10, 10, 395, 316);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { height: 16px; padding: 0px; }"));
    Button1 = new QPushButton(QStringLiteral("OK"), ClientArea());
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(118, 335, 179, 40);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Nie zapisuj"), ClientArea());
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(10, 335, 100, 40);
    Button2->hide();
    setTabOrder(ListBox1, Button1);

    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    FormCreate();
}

void Tnaj2::FormCreate() { SetCaptionGradient(*this); }

void Tnaj2::FormShow()
{
    ListBox1->clear();
    const int listWidth = ListBox1->contentsRect().width();
    for (std::size_t number = 1; number <= ScoreTableSize; ++number)
        ListBox1->addItem(ListLine(ScoreTable[number], ListBox1->font(), listWidth));
}

void Tnaj2::showEvent(QShowEvent* event)
{
    Button2->hide();
    FormShow();
    TGradientForm::showEvent(event);
}

void Tnaj2::Button1Click()
{
    Button2->show();  // stays only if the save below fails
    // What the file holds now: another game may have saved since we loaded.
    SaveScoreFileAgain();
    close();
}

// Escape is the quiet way out: what the file holds stays as it is.
void Tnaj2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        TGradientForm::keyPressEvent(event);
}

}  // namespace kwintor
