// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_boxes.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>

#include "desktop_metrics.h"
#include "text_width.h"
#include "window_display.h"

namespace kwintor {

namespace {

constexpr int MaxInputLength = 255;
// Room for the icon and three buttons that window managers put beside a caption.
constexpr int CaptionButtonsWidth = 120;
// On Wayland Qt draws the caption itself: 14-pixel type between an icon and
// three buttons that it shows whatever the window asks.
constexpr int WaylandTitlePixels = 14;
constexpr int WaylandCaptionChrome = 140;

// Wide enough for `title` as the desktop draws captions, so that the
// application title stays readable above a short text.
int CaptionWidth(const QString& title)
{
    const int drawnByDesktop = TextWidth(desktop::CaptionFont(), title) + CaptionButtonsWidth;
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return drawnByDesktop;
    QFont waylandFont = QGuiApplication::font();
    waylandFont.setPixelSize(WaylandTitlePixels);
    return std::max(drawnByDesktop, TextWidth(waylandFont, title) + WaylandCaptionChrome);
}

QLabel* PlainLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A box with the raised edge of a classic window inside whatever frame the
// desktop gives it: a compositor that paints no shadow, or a frame drawn
// by Qt, would otherwise leave its grey face melting into the board's.
class EdgedDialog : public QDialog {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QDialog::paintEvent(event);
        // Inside a window of the game's own, that window's frame is the edge.
        if (!isWindow())
            return;
        QPainter painter(this);
        QStyleOptionFrame edge;
        edge.initFrom(this);
        edge.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &edge, this);
        style()->drawPrimitive(QStyle::PE_FrameWindow, &edge, &painter, this);
    }
};

// QMessageBox reports Escape and the window frame alike; the game tells them apart.
class MessageDialog : public EdgedDialog {
public:
    explicit MessageDialog(const QString& text);

    void reject() override { done(MessageBoxOk); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        done(MessageBoxClosed);
        event->accept();
    }
};

MessageDialog::MessageDialog(const QString& text)
{
    setObjectName(QStringLiteral("kwintorMessageBox"));
    GiveToOwner(*this);
    setWindowTitle(ApplicationTitle());
    auto* buttons = new QDialogButtonBox;
    buttons->setCenterButtons(true);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(MessageBoxOk); });
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QLabel* label = PlainLabel(text);
    label->setMinimumWidth(CaptionWidth(windowTitle()));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    layout->addWidget(buttons);
}

QLineEdit* AddInputLine(QDialog& dialog, const QString& prompt, const QString& initialText)
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(MaxInputLength);
    edit->setText(initialText);
    // Focus by tab selects all by itself, focus from the window manager does not.
    edit->selectAll();
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
    QLabel* label = PlainLabel(prompt);
    label->setBuddy(edit);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    return edit;
}

// Under the line, in the same layout; empty and so invisible until the
// validator first says something.
void ShowExplanationsUnder(QLineEdit& edit, const ExplainingValidator& validator)
{
    QLabel* explanation = PlainLabel(QString());
    explanation->setObjectName(QStringLiteral("kwintorInputBoxExplanation"));
    explanation->setWordWrap(true);
    auto* layout = static_cast<QVBoxLayout*>(edit.parentWidget()->layout());
    layout->insertWidget(layout->indexOf(&edit) + 1, explanation);
    QObject::connect(&validator, &ExplainingValidator::Explained, explanation, &QLabel::setText);
}

// Who shows the boxes instead of the desktop's frame; none at first.
BoxWindow boxWindow = nullptr;

}  // namespace

int RunBox(QDialog& box) { return boxWindow != nullptr ? boxWindow(box) : box.exec(); }

void ShowBoxesIn(BoxWindow show) { boxWindow = show; }

int StandardMessageBox(const QString& text)
{
    MessageDialog dialog(text);
    return RunBox(dialog);
}

QString StandardInputBox(const QString& caption, const QString& prompt, const QString& initialText,
                         const QValidator* validator)
{
    EdgedDialog dialog;
    dialog.setObjectName(QStringLiteral("kwintorInputBox"));
    GiveToOwner(dialog);
    dialog.setWindowTitle(caption);
    QLineEdit* edit = AddInputLine(dialog, prompt, initialText);
    edit->setValidator(validator);
    if (const auto* explaining = qobject_cast<const ExplainingValidator*>(validator))
        ShowExplanationsUnder(*edit, *explaining);
    // In the middle of the screen, not of the window it belongs to.
    dialog.adjustSize();
    dialog.move(dialog.screen()->availableGeometry().center() - dialog.rect().center());
    return RunBox(dialog) == QDialog::Accepted ? edit->text() : initialText;
}

}  // namespace kwintor
