// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace kwintor {

// Shows `window` and runs a nested event loop until it is hidden; the other
// windows take no input meanwhile. Throws Error when it is visible already.
void ShowModal(QWidget& window);

// Hands the keys back to the modal window whenever the desktop gives them
// to a window it blocks, as a click on the board does on some compositors:
// the window waiting for the player's answer keeps Return and Escape.
void KeepModalWindowInFront();

// Shows `window` without waiting, restored if it was minimised, and brings
// it to the front.
void ShowModeless(QWidget& window);

// The application's title, the caption of its message boxes. It is kept
// apart from Qt's application display name, which Qt would append to every
// title the desktop shows.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

// The window a box belongs to when nothing says otherwise.
void SetMainWindow(QWidget* window);

// The window a box or dialog shown now is to stay above: the modal window
// on top, else the main window; none before either exists.
QWidget* DialogOwner();

// Makes `box` a dialog of DialogOwner(): the desktop keeps it above that
// window, and it offers closing but neither minimising nor maximising, so
// that it can never be lost while the game waits for it.
void GiveToOwner(QWidget& box);

}  // namespace kwintor
