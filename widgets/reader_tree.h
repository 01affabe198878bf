// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QWidget>

#include <vector>

namespace kwintor {

// What a screen reader finds in a window is what the player can see and
// use: the tree the toolkit builds from the widgets would hold every hidden
// field and every frame as an unnamed "filler" too.

// Labels and pictures read as what they show; each calls it as it is made.
void InstallReaderTree();

// `group` is read as an object of `role` named by its accessible name, whose
// children are `members` (its own children or siblings it frames) in this
// order; a member that is hidden, or has neither a name nor children, is
// left out. Its name can
// be reviewed as text. Call it before anything names the group.
void ReadAsGroup(QWidget& group, QAccessible::Role role, const std::vector<QWidget*>& members);

// The group that lists `member`, or nullptr.
QWidget* ReaderGroupOf(const QWidget& member);

// A widget nothing reads: no reader finds it, and what it changes goes
// out to none.
void HideFromScreenReaders(QWidget& widget);

}  // namespace kwintor
