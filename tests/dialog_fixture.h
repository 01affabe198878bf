// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTest>

#include "settings.h"

// A dialog test calls MakeDialog() from init(), so that each test function
// gets the dialog, and the settings it keeps, afresh: none sees what another
// left. moc takes no templates, so the slots stay with the test.
template <class Dialog> class DialogFixture : public QObject {
protected:
    void MakeDialog()
    {
        settings = kwintor::Settings {};
        if constexpr (std::is_constructible_v<Dialog, kwintor::Settings&>)
            form = std::make_unique<Dialog>(settings);
        else
            form = std::make_unique<Dialog>();
    }

    void ShowForm()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    kwintor::Settings settings;
    std::unique_ptr<Dialog> form;
};
