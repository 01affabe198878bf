// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player_name_validator.h"

#include <QStringList>

#include <algorithm>
#include <utility>

#include "score_file_format.h"

namespace kwintor {

namespace {

constexpr qsizetype MostCharactersNamed = 10;

// One character of the text: a QChar, or two for a character beyond the
// 16-bit range such as an emoji.
qsizetype CharacterLength(const QString& text, qsizetype index)
{
    return text[index].isHighSurrogate() && index + 1 < text.size() && text[index + 1].isLowSurrogate() ? 2
                                                                                                        : 1;
}

QString ControlCharacterName(QChar character)
{
    switch (character.unicode()) {
    case u'\t': return QStringLiteral("tabulator");
    case u'\n':
    case u'\r': return QStringLiteral("koniec wiersza");
    default: return QStringLiteral("znak sterujący");
    }
}

QString Quoted(const QStringList& characters)
{
    QStringList quoted;
    for (const QString& character : characters.first(std::min(characters.size(), MostCharactersNamed)))
        quoted << QStringLiteral("„%1”").arg(character);
    if (characters.size() > MostCharactersNamed)
        quoted << QStringLiteral("…");
    return quoted.join(QStringLiteral(", "));
}

QString Explanation(const QStringList& controls, const QStringList& foreign)
{
    QStringList lines;
    if (!controls.isEmpty())
        lines << QStringLiteral("Pominięto: %1 — imię zajmuje w pliku wyników jeden wiersz.")
                     .arg(controls.join(QStringLiteral(", ")));
    if (!foreign.isEmpty())
        lines << QStringLiteral("Pominięto: %1 — plik wyników zapisuje imiona w kodowaniu "
                                "Windows-1250, które nie ma tych znaków.")
                     .arg(Quoted(foreign));
    return lines.join(u'\n');
}

}  // namespace

QValidator::State PlayerNameValidator::validate(QString& input, int& position) const
{
    QString kept;
    QStringList controls;
    QStringList foreign;
    int droppedBeforeCursor = 0;
    for (qsizetype index = 0; index < input.size();) {
        const qsizetype length = CharacterLength(input, index);
        const QChar first = input[index];
        const bool control = length == 1 && first.unicode() < 32;
        if (length == 1 && !control && IsStorableInScoreFile(first)) {
            kept += first;
        } else {
            QStringList& dropped = control ? controls : foreign;
            const QString name = control ? ControlCharacterName(first) : input.sliced(index, length);
            if (!dropped.contains(name))
                dropped << name;
            if (index < position)
                droppedBeforeCursor += int(length);
        }
        index += length;
    }
    if (kept.size() != input.size()) {
        input = std::move(kept);
        position -= droppedBeforeCursor;
        emit Explained(Explanation(controls, foreign));
    }
    return Acceptable;
}

}  // namespace kwintor
