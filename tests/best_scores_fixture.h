// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "najlepsi.h"
#include "score_file_sandbox.h"

inline const QString BestScores = QStringLiteral("naj2");

// A score file of players "gracz 1", "gracz 2"... with these scores.
inline QByteArray FileWithScores(std::initializer_list<int> scores)
{
    QByteArray file;
    int number = 0;
    for (const int score : scores)
        file += "gracz " + QByteArray::number(++number) + "\r\n" + QByteArray::number(score) + "\r\n";
    return file;
}

// One best-scores dialog for the whole test case, as for the whole game, and
// a score file of its own for each test function; Qt Test finds these slots
// on the test that derives from this.
class BestScoresFixture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kwintor::naj2 = new kwintor::Tnaj2; }
    void cleanupTestCase() { delete std::exchange(kwintor::naj2, nullptr); }
    void init() { sandbox_ = std::make_unique<ScoreFileSandbox>(); }
    void cleanup() { sandbox_.reset(); }

private:
    std::unique_ptr<ScoreFileSandbox> sandbox_;
};
