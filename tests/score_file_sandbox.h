// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "score_table.h"

// A fresh working directory for the score file, left again on destruction.
class ScoreFileSandbox {
public:
    ScoreFileSandbox()
        : previous_(QDir::currentPath())
    {
        QDir::setCurrent(directory_.path());
    }
    ~ScoreFileSandbox() { QDir::setCurrent(previous_); }

    static void Write(const QByteArray& bytes)
    {
        QFile file(kwintor::ScoreFileName);
        QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                 qPrintable(file.errorString()));
    }

    static QByteArray Read()
    {
        QFile file(kwintor::ScoreFileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void MakeReadOnly() { QFile::setPermissions(kwintor::ScoreFileName, QFileDevice::ReadOwner); }

private:
    QTemporaryDir directory_;
    QString previous_;
};
