// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score_file_format.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <optional>
#include <utility>

#include "score_file_error.h"

namespace kwintor {

namespace {

constexpr char EndOfFileMark = 26;
constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr int LongestNumber = 32;

const char* const CodePage = "windows-1250";

bool IsControlOrBlank(char byte) { return static_cast<unsigned char>(byte) <= 32; }

// Parses "+12", "-7" or "$1F" (hexadecimal) within the signed 32-bit range.
std::optional<std::int32_t> ParseWholeNumber(QByteArrayView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    int base = 10;
    if (!text.isEmpty() && text.front() == '$') {
        base = 16;
        text = text.sliced(1);
    }
    std::uint64_t magnitude = 0;  // unsigned, so that a second sign is refused
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (text.isEmpty() || error != std::errc {} || stop != end)
        return std::nullopt;
    if (magnitude > std::uint64_t {1} << 31)
        return std::nullopt;
    const std::int64_t value = negative ? -std::int64_t(magnitude) : std::int64_t(magnitude);
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Reads piece by piece, and only as far as it is asked to.
class ScoreFileReader {
public:
    explicit ScoreFileReader(const ScoreFileSource& source)
        : source_(source)
    {
    }

    QString ReadName()
    {
        QByteArray name;
        while (!AtEnd()) {
            const qsizetype lineEnd = piece_.indexOf(CarriageReturn, position_);
            const qsizetype stop = lineEnd < 0 ? piece_.size() : lineEnd;
            name += piece_.sliced(position_, stop - position_);
            position_ = stop;
            if (lineEnd >= 0)
                break;
        }
        SkipRestOfLine();
        return QStringDecoder(CodePage).decode(name);
    }

    std::uint16_t ReadScore()
    {
        while (!AtEnd() && IsControlOrBlank(piece_[position_]))
            ++position_;
        if (AtEnd())
            return 0;
        QByteArray number;
        while (!AtEnd() && number.size() < LongestNumber && !IsControlOrBlank(piece_[position_]))
            number += piece_[position_++];
        const auto value = ParseWholeNumber(number);
        if (!value)
            throw ScoreFileError(ScoreFileError::InvalidNumericInput);
        return static_cast<std::uint16_t>(*value);
    }

    // Up to and including the next CR, and one LF right after it.
    void SkipRestOfLine()
    {
        while (!AtEnd()) {
            const qsizetype lineEnd = piece_.indexOf(CarriageReturn, position_);
            position_ = lineEnd < 0 ? piece_.size() : lineEnd + 1;
            if (lineEnd >= 0)
                break;
        }
        if (!AtEnd() && piece_[position_] == LineFeed)
            ++position_;
    }

private:
    // Fetches the next piece when this one is used up; byte 26 ends the file.
    bool AtEnd()
    {
        while (position_ == piece_.size() && !ended_) {
            piece_ = source_();
            position_ = 0;
            const qsizetype mark = piece_.indexOf(EndOfFileMark);
            if (mark >= 0)
                piece_ = piece_.first(mark);
            ended_ = mark >= 0 || piece_.isEmpty();
        }
        return position_ == piece_.size();
    }

    const ScoreFileSource& source_;
    QByteArrayView piece_;
    qsizetype position_ = 0;
    bool ended_ = false;
};

// The characters Windows-1250 can hold, found by decoding all its bytes.
const QString& EncodableCharacters()
{
    static const QString characters = []() -> QString {
        QByteArray everyByte(256, '\0');
        for (int byte = 0; byte < 256; ++byte)
            everyByte[byte] = static_cast<char>(byte);
        return QStringDecoder(CodePage).decode(everyByte);
    }();
    return characters;
}

QString WritableName(QString name)
{
    for (QChar& character : name)
        if (!IsStorableInScoreFile(character))
            character = QLatin1Char('?');
    return name;
}

}  // namespace

bool IsStorableInScoreFile(QChar character)
{
    return character != QChar(CarriageReturn) && character != QChar(EndOfFileMark) &&
        character != QChar::ReplacementCharacter && EncodableCharacters().contains(character);
}

void ReadScoreFile(const ScoreFileSource& source, ScoreTableEntries& table)
{
    ScoreFileReader reader(source);
    for (std::size_t number = 1; number <= ScoreTableSize; ++number) {
        table[number].Name = reader.ReadName();
        table[number].Score = reader.ReadScore();
        // Nothing after the last score is needed, however long its line.
        if (number < ScoreTableSize)
            reader.SkipRestOfLine();
    }
}

void ReadScoreFile(const QByteArray& bytes, ScoreTableEntries& table)
{
    bool given = false;
    ReadScoreFile([&]() -> QByteArrayView { return std::exchange(given, true) ? QByteArrayView() : bytes; },
                  table);
}

QByteArray WriteScoreFile(const ScoreTableEntries& table)
{
    QStringEncoder encoder(CodePage);
    QByteArray file;
    for (std::size_t number = 1; number <= ScoreTableSize; ++number) {
        file += encoder.encode(WritableName(table[number].Name));
        file += "\r\n" + QByteArray::number(table[number].Score) + "\r\n";
    }
    return file;
}

}  // namespace kwintor
