// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a score file: no crash, an error only as ScoreFileError, and
// whatever was read writes back as a file that reads the same. The same
// bytes also describe a table of storable names and any scores, which must
// read back exactly as it was written.
#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "score_file_error.h"
#include "score_file_format.h"

namespace {

void ReadAndRewrite(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    kwintor::ScoreTableEntries table;
    try {
        kwintor::ReadScoreFile(bytes, table);
    } catch (const kwintor::ScoreFileError&) {
        return;
    }
    const QByteArray written = kwintor::WriteScoreFile(table);
    kwintor::ScoreTableEntries readBack;
    kwintor::ReadScoreFile(written, readBack);
    if (kwintor::WriteScoreFile(readBack) != written)
        std::abort();
}

// A name of the characters the file can hold, from Windows-1250 bytes.
QString StorableName(FuzzedDataProvider& provider)
{
    const QString decoded = QStringDecoder("windows-1250")
                                .decode(QByteArray::fromStdString(provider.ConsumeRandomLengthString()));
    QString name;
    for (const QChar character : decoded)
        if (kwintor::IsStorableInScoreFile(character))
            name += character;
    return name;
}

void WriteAndRead(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    kwintor::ScoreTableEntries table;
    for (std::size_t number = 1; number <= kwintor::ScoreTableSize; ++number)
        table[number] = {StorableName(provider), provider.ConsumeIntegral<std::uint16_t>()};
    kwintor::ScoreTableEntries readBack;
    kwintor::ReadScoreFile(kwintor::WriteScoreFile(table), readBack);
    for (std::size_t number = 1; number <= kwintor::ScoreTableSize; ++number)
        if (readBack[number].Name != table[number].Name || readBack[number].Score != table[number].Score)
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReadAndRewrite(data, size);
    WriteAndRead(data, size);
    return 0;
}
