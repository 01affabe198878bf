// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wave_format.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <optional>

namespace kwintor {

namespace {

constexpr int ChunkHeaderSize = 8;
constexpr qsizetype FormatFieldsSize = 16;
constexpr qsizetype ExtensibleFieldsSize = 40;

// The format tags of a wave file's "fmt " chunk that matter here.
enum FormatTag : quint16 { PcmFormat = 1, ExtensibleFormat = 0xFFFE };

// Skips the chunks in front of the first one named `id` and leaves the file
// at its body; returns the body's size.
std::optional<quint32> FindChunk(QIODevice& file, const char* id)
{
    for (;;) {
        const QByteArray header = file.read(ChunkHeaderSize);
        if (header.size() != ChunkHeaderSize)
            return std::nullopt;
        const auto size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith(id))
            return size;
        if (!file.seek(file.pos() + size + (size & 1)))
            return std::nullopt;
    }
}

// The event-sound library reads integer PCM of 8 and 16 bits only, also
// in the extensible layout whose subformat is PCM.
bool IsPlayableFormat(const QByteArray& fields)
{
    if (fields.size() < FormatFieldsSize)
        return false;
    const char* bytes = fields.constData();
    const auto format = qFromLittleEndian<quint16>(bytes);
    const auto channels = qFromLittleEndian<quint16>(bytes + 2);
    const auto sampleRate = qFromLittleEndian<quint32>(bytes + 4);
    const auto bitsPerSample = qFromLittleEndian<quint16>(bytes + 14);
    const bool pcm = format == PcmFormat ||
        (format == ExtensibleFormat && fields.size() == ExtensibleFieldsSize &&
         qFromLittleEndian<quint16>(bytes + 24) == PcmFormat);
    return pcm && channels > 0 && sampleRate > 0 && (bitsPerSample == 8 || bitsPerSample == 16);
}

}  // namespace

bool IsPlayableWave(QIODevice& file)
{
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || !riff.endsWith("WAVE"))
        return false;
    const std::optional<quint32> formatSize = FindChunk(file, "fmt ");
    if (!formatSize || *formatSize < FormatFieldsSize)
        return false;
    // Without the pad byte of an odd chunk, as the decoder skips it.
    const qint64 formatEnd = file.pos() + *formatSize;
    const qint64 fieldsRead = std::min<qint64>(*formatSize, ExtensibleFieldsSize);
    if (!IsPlayableFormat(file.read(fieldsRead)) || !file.seek(formatEnd))
        return false;
    const std::optional<quint32> dataSize = FindChunk(file, "data");
    return dataSize && file.pos() + *dataSize <= file.size();
}

}  // namespace kwintor
