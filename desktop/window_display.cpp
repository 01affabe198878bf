// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_display.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "error.h"

namespace kwintor {

namespace {

QString& Title()
{
    static QString title;
    return title;
}

QPointer<QWidget>& Main()
{
    static QPointer<QWidget> window;
    return window;
}

// Ends `loop` once the window is hidden for good: minimising it sends a
// hide event too, but leaves it visible.
class HideWatch : public QObject {
public:
    HideWatch(QWidget& window, QEventLoop& loop)
        : loop_(loop)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

// Some window managers minimise a box when asked whatever its hints say,
// and with it the window it belongs to: the game would wait for a box that
// nothing on the screen brings back. It comes straight back instead.
class RestoreWhenMinimised : public QObject {
public:
    explicit RestoreWhenMinimised(QWidget& box)
        : QObject(&box)
    {
        box.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && box->isMinimized())
            QMetaObject::invokeMethod(
                box, [box] { box->setWindowState(box->windowState() & ~Qt::WindowMinimized); },
                Qt::QueuedConnection);
        return false;
    }
};

// Whether `window` is the window of `owner` or of a widget that `owner` owns.
bool OwnedBy(const QWindow& window, const QWidget& owner)
{
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != &window)
            continue;
        for (; widget != nullptr; widget = widget->parentWidget())
            if (widget == &owner)
                return true;
        return false;
    }
    return false;
}

}  // namespace

void KeepModalWindowInFront()
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* focused) {
        QWidget* modal = QApplication::activeModalWidget();
        if (focused == nullptr || modal == nullptr || OwnedBy(*focused, *modal))
            return;
        modal->activateWindow();
    });
}

void ShowModal(QWidget& window)
{
    if (window.isVisible())
        throw Error("Nie można pokazać modalnie okna, które jest już widoczne");
    const Qt::WindowModality modality = window.windowModality();
    const QPointer<QWidget> alive(&window);
    QEventLoop loop;
    HideWatch watch(window, loop);
    // A window deleted from inside the loop would otherwise leave it running forever.
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    loop.exec();
    if (alive)
        window.setWindowModality(modality);
}

void ShowModeless(QWidget& window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void SetApplicationTitle(const QString& title) { Title() = title; }

QString ApplicationTitle() { return Title(); }

void SetMainWindow(QWidget* window) { Main() = window; }

QWidget* DialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return Main();
}

void GiveToOwner(QWidget& box)
{
    box.setParent(DialogOwner(),
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                      Qt::WindowCloseButtonHint);
    new RestoreWhenMinimised(box);
}

}  // namespace kwintor
