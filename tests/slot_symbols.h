// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "drop_rules.h"
#include "operators.h"

// Slots written as the evaluator's symbols, "?" for an empty slot: "+?*".

inline kwintor::OperatorCode CodeOf(QChar symbol)
{
    return kwintor::OperatorOfSymbol(char(symbol.toLatin1())).value_or(kwintor::OperatorCode::Empty);
}

// Slots 1 to 4 from their symbols; slots not written are empty.
inline kwintor::SlotOperators SlotsOf(const QString& symbols)
{
    kwintor::SlotOperators operators;
    operators.Fill(kwintor::OperatorCode::Empty);
    for (qsizetype i = 0; i < symbols.size(); ++i)
        operators[std::size_t(i + 1)] = CodeOf(symbols[i]);
    return operators;
}

// Every entry's symbol, the fifth, which belongs to no slot, too.
inline QString SymbolsOf(const kwintor::SlotOperators& operators)
{
    QString symbols;
    for (std::size_t number = 1; number < operators.size(); ++number)
        symbols += QLatin1Char(kwintor::FactsOf(operators[number]).Symbol);
    return symbols;
}
