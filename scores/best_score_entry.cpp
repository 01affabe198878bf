// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "best_score_entry.h"

#include "najlepsi.h"
#include "player_name_validator.h"
#include "prompts.h"
#include "score_file_lock.h"
#include "score_table.h"

namespace kwintor {

namespace {

// The name box can stay up for minutes while other games save: whether the
// score still belongs in the table is decided on the file as it is then.
// A game that holds the file too long gets one second try, after the
// player has read why; a second refusal reaches the error display.
bool Entered(const Twynik& entry)
{
    try {
        return EnterIntoScoreFile(entry);
    } catch (const ScoreFileBusy& busy) {
        ShowMessageBox(QString::fromUtf8(busy.what()) +
                       QStringLiteral(". Po naciśnięciu OK gra spróbuje zapisać wynik jeszcze raz."));
    }
    return EnterIntoScoreFile(entry);
}

}  // namespace

void EnterBestScore(std::int32_t gameScore)
{
    LoadScoreTable();
    if (gameScore <= ScoreTable[ScoreTableSize].Score)
        return;
    const PlayerNameValidator validator;
    const Twynik entry {InputBox(QStringLiteral("Ustanowiłeś rekord !!!"),
                                 QStringLiteral("Podaj swoje imie "), QStringLiteral("Anonimowy"),
                                 &validator),
                        static_cast<std::uint16_t>(gameScore)};
    if (!Entered(entry)) {
        ShowMessageBox(QStringLiteral("Wynik %1 nie mieści się już wśród najlepszych: w tym czasie inne gry "
                                      "zapisały lepsze wyniki.")
                           .arg(entry.Score));
        return;
    }
    // A game can end while the table is open from the menu: it then shows the new entry.
    if (naj2->isVisible())
        naj2->FormShow();
    else
        naj2->ShowModal();
}

}  // namespace kwintor
