// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace kwintor {

// The prefix of the names the game gives its unfinished saves in a folder,
// for `fileName` there: ".wyniki.naj.kwintor-" then six letters or digits.
QByteArray TemporaryPrefix(const QByteArray& fileName);

// Puts `bytes` in the place of `fileName` (following symbolic links), keeping
// its owner, group and mode. Where the folder takes a new file that can keep
// them, the bytes go to a new file that then replaces the old one, so that
// an interrupted save leaves the old contents; elsewhere they are written
// over the old file, as far as the player may write it. Unfinished saves
// left in the folder by earlier runs are removed afterwards. Throws
// ScoreFileError when the file may not or cannot be written.
void ReplaceFile(const QString& fileName, const QByteArray& bytes);

}  // namespace kwintor
