// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_text.h"

#include <QStringList>

namespace kwintor {

QString AboutText()
{
    // Wrapped by hand, so that every line fits the window's text field.
    const QStringList lines {
        QStringLiteral("Autor: zespół programu Kwintor"),
        QStringLiteral("Program można bezpłatnie przekazywać innym."),
        QString(),
        QStringLiteral("Najnowszą wersję tego programu oraz inne programy"),
        QStringLiteral("autora można otrzymać pocztą: wystarczy wysłać"),
        QStringLiteral("list z zaadresowaną kopertą zwrotną na adres"),
        QStringLiteral("podany poniżej."),
        QStringLiteral("Adres autora:"),
        QStringLiteral("Zespół Kwintor"),
        QStringLiteral("ul. Przykładowa 1"),
        QStringLiteral("00-000 Miejscowość"),
        QString(),
        QStringLiteral("Uwagi o programie prosimy przesyłać e-mailem na adres:"),
        QStringLiteral("kwintor@example.org"),
    };
    return lines.join(QLatin1Char('\n'));
}

}  // namespace kwintor
