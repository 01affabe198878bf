#include "score_file_format.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <optional>

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

class ScoreFileReader {
public:
    explicit ScoreFileReader(const QByteArray& bytes)
        : bytes_(QByteArrayView(bytes).first(EndOfFile(bytes)))
    {
    }

    QString ReadName()
    {
        const qsizetype start = position_;
        while (position_ < bytes_.size() && bytes_[position_] != CarriageReturn)
            ++position_;
        const QByteArrayView name = bytes_.sliced(start, position_ - start);
        SkipRestOfLine();
        return QStringDecoder(CodePage).decode(name);
    }

    std::uint16_t ReadScore()
    {
        while (position_ < bytes_.size() && IsControlOrBlank(bytes_[position_]))
            ++position_;
        if (position_ == bytes_.size())
            return 0;
        const qsizetype start = position_;
        while (position_ < bytes_.size() && position_ - start < LongestNumber &&
               !IsControlOrBlank(bytes_[position_]))
            ++position_;
        const auto number = ParseWholeNumber(bytes_.sliced(start, position_ - start));
        if (!number)
            throw ScoreFileError(ScoreFileError::InvalidNumericInput);
        SkipRestOfLine();
        return static_cast<std::uint16_t>(*number);
    }

private:
    static qsizetype EndOfFile(const QByteArray& bytes)
    {
        const qsizetype mark = bytes.indexOf(EndOfFileMark);
        return mark < 0 ? bytes.size() : mark;
    }

    // Up to and including the next CR, and one LF right after it.
    void SkipRestOfLine()
    {
        while (position_ < bytes_.size() && bytes_[position_++] != CarriageReturn) { }
        if (position_ < bytes_.size() && bytes_[position_] == LineFeed)
            ++position_;
    }

    QByteArrayView bytes_;
    qsizetype position_ = 0;
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

void ReadScoreFile(const QByteArray& bytes, ScoreTableEntries& table)
{
    ScoreFileReader reader(bytes);
    for (std::size_t number = 1; number <= ScoreTableSize; ++number) {
        table[number].Name = reader.ReadName();
        table[number].Score = reader.ReadScore();
    }
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
