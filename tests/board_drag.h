// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "picture_box.h"
#include "scripted_prompts.h"

// Drags `source` with the left button and lets go over `point` of `target`,
// as a player's mouse would; the board must be shown.
inline void DragTo(kwintor::PictureBox& source, QWidget& target, QPoint point = {})
{
    const QPoint global = target.mapToGlobal(point.isNull() ? target.rect().center() : point);
    QTest::mousePress(&source, Qt::LeftButton, {}, source.rect().center());
    QTest::mouseMove(&source, source.mapFromGlobal(global));
    QTest::mouseRelease(&source, Qt::LeftButton, {}, source.mapFromGlobal(global));
}

// A press and release without moving: the box is dropped onto itself.
inline void ClickOn(kwintor::PictureBox& box) { DragTo(box, box); }

// Drags `source` onto `target` where the drop fails: what the error display
// was asked to show, once the event that failed is over.
inline QStringList ErrorsOfDrag(kwintor::PictureBox& source, QWidget& target)
{
    ScriptedPrompts prompts;
    prompts.Error();
    DragTo(source, target);
    QCoreApplication::sendPostedEvents();
    return prompts.AskedTexts();
}
