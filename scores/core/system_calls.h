// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fcntl.h>

#include <QByteArray>

#include "descriptor.h"
#include "score_file_error.h"

namespace kwintor {

// The file at `path` opened for reading; throws ScoreFileError when it
// cannot be.
inline Descriptor OpenForReading(const QByteArray& path)
{
    Descriptor descriptor(::open(path.constData(), O_RDONLY | O_CLOEXEC));
    if (descriptor < 0)
        RaiseLastSystemError();
    return descriptor;
}

// Closes `descriptor`; throws ScoreFileError when the system reports an
// error, as a delayed write error is reported only there.
inline void CloseOrRaise(Descriptor& descriptor)
{
    if (!descriptor.Close())
        RaiseLastSystemError();
}

}  // namespace kwintor
