// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's floor for the start-up benchmark: the least a Qt Widgets
// program does to put a maximised window on the screen.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Kwintor"));
    label.showMaximized();
    return application.exec();
}
