// Any bytes as a score file: no crash, an error only as ScoreFileError,
// and whatever was read writes back as a file that reads the same.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "score_file_error.h"
#include "score_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    kwintor::ScoreTableEntries table;
    try {
        kwintor::ReadScoreFile(bytes, table);
    } catch (const kwintor::ScoreFileError&) {
        return 0;
    }
    const QByteArray written = kwintor::WriteScoreFile(table);
    kwintor::ScoreTableEntries readBack;
    kwintor::ReadScoreFile(written, readBack);
    if (kwintor::WriteScoreFile(readBack) != written)
        std::abort();
    return 0;
}
