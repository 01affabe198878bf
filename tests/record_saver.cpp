// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Another game on the same score file, in a process of its own, for
// tst_concurrent_records. In the working directory:
//   record_saver enter NAME SCORE   enters a record once its name is known,
//                                   printing "entered" or "pushed out";
//   record_saver hold               holds the score file's lock, prints
//                                   "held", and keeps it until killed.
// Prints the error message, if any, and fails then.
#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "error.h"
#include "score_file_lock.h"
#include "score_table.h"

namespace {

int Enter(const char* name, const char* score)
{
    const kwintor::Twynik entry {QString::fromUtf8(name), QByteArray(score).toUShort()};
    std::puts(kwintor::EnterIntoScoreFile(entry) ? "entered" : "pushed out");
    return 0;
}

[[noreturn]] void Hold()
{
    const kwintor::ScoreFileLock lock(kwintor::ScoreFileName);
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && std::strcmp(argv[1], "enter") == 0)
            return Enter(argv[2], argv[3]);
        if (argc == 2 && std::strcmp(argv[1], "hold") == 0)
            Hold();
    } catch (const kwintor::Error& error) {
        std::puts(error.what());
        return 1;
    }
    std::fputs("usage: record_saver enter NAME SCORE | record_saver hold\n", stderr);
    return 2;
}
