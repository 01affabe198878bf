// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "best_score_entry.h"

#include "najlepsi.h"
#include "player_name_validator.h"
#include "prompts.h"
#include "score_table.h"

namespace kwintor {

void EnterBestScore(std::int32_t gameScore)
{
    LoadScoreTable();
    if (gameScore <= ScoreTable[ScoreTableSize].Score)
        return;
    const PlayerNameValidator validator;
    const QString name =
        InputBox(QStringLiteral("Ustanowiłeś rekord !!!"), QStringLiteral("Podaj swoje imie "),
                 QStringLiteral("Anonimowy"), &validator);
    ScoreTable[ScoreTableSize] = {name, static_cast<std::uint16_t>(gameScore)};
    SortScoreTable();
    SaveScoreTable();
    // A game can end while the table is open from the menu: it then shows the new entry.
    if (naj2->isVisible())
        naj2->FormShow();
    else
        naj2->ShowModal();
}

}  // namespace kwintor
