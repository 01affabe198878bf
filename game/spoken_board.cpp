// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_board.h"

#include <QStringList>

#include "operators.h"

namespace kwintor {

namespace {

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString OperatorName(OperatorCode code) { return Utf8(FactsOf(code).SlotWord); }

QString OperatorSign(OperatorCode code) { return Utf8(FactsOf(code).Sign); }

}  // namespace

QString SlotSpeech(std::size_t number, OperatorCode code)
{
    return QStringLiteral("Pole %1: %2").arg(number).arg(OperatorName(code));
}

QString SlotChangeSpeech(std::size_t target, const SlotOperators& before, const SlotOperators& after,
                         std::size_t slotsInUse, std::size_t focused)
{
    QStringList parts {SlotSpeech(target, after[target])};
    for (std::size_t number = 1; number <= slotsInUse; ++number) {
        if (number != target && before[number] != after[number])
            parts << SlotSpeech(number, after[number]);
    }
    // A focused slot that the move changed has been said already.
    if (focused && focused != target && before[focused] == after[focused])
        parts << SlotSpeech(focused, after[focused]);
    return parts.join(QStringLiteral(". "));
}

QString TileSpeech(OperatorCode code) { return Utf8(FactsOf(code).TileWord); }

QString EquationSpeech(std::uint8_t operandCount, std::int32_t target)
{
    QStringList terms;
    for (std::uint8_t i = 1; i <= operandCount; ++i) {
        terms << QString::number(Equation[i].Operand);
        if (i < operandCount)
            terms << OperatorSign(PlayerOperators[i]);
    }
    terms << QStringLiteral("=") << QString::number(target);
    return QStringLiteral("Równanie: ") + terms.join(QLatin1Char(' '));
}

// Allowances are whole multiples of 20 seconds, all of which take "sekund".
QString RoundSpeech(const QString& caption, std::uint8_t operandCount, std::int32_t target, int seconds)
{
    QString speech = caption.trimmed() + QStringLiteral(". ") + EquationSpeech(operandCount, target) + '.';
    if (seconds > 0)
        speech += QStringLiteral(" Czas: %1 sekund.").arg(seconds);
    return speech;
}

}  // namespace kwintor
