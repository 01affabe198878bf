// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the drop sound's file: no crash and no read past the bytes,
// and a file the check accepts it still accepts with a chunk header after
// its end, one whose size runs far past the file: a sound that is all
// there stays so whatever follows it.
#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "wave_format.h"

namespace {

// The bytes as the game's file reads them: a seek past the end succeeds,
// and a read there finds nothing.
class FileOfBytes : public QIODevice {
public:
    explicit FileOfBytes(QByteArray bytes)
        : bytes_(std::move(bytes))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    qint64 size() const override { return bytes_.size(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 start = std::min(pos(), size());
        const qint64 count = std::min(maxSize, size() - start);
        std::memcpy(data, bytes_.constData() + start, static_cast<std::size_t>(count));
        return count;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
};

bool Accepted(QByteArray bytes)
{
    FileOfBytes file(std::move(bytes));
    return kwintor::IsPlayableWave(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (Accepted(bytes) && !Accepted(bytes + QByteArrayLiteral("data\xff\xff\xff\x7f")))
        std::abort();
    return 0;
}
