// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QGuiApplication>
#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>

#include "about_window.h"
#include "caption_colours.h"
#include "main_window.h"
#include "najlepsi.h"
#include "start_level_dialog.h"
#include "startup.h"
#include "test_difficulty_dialog.h"
#include "window_display.h"

using namespace kwintor;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsBeforeAnyWindow();
    void windowsAreCreatedHiddenAndTheGameStarts();
    void boardPlaysWhatTheDialogsChose();
};

void StartupTest::defaultsBeforeAnyWindow()
{
    const Settings defaults;
    QCOMPARE(defaults.CurrentLevel, -1);
    QCOMPARE(defaults.StartLevel, 1);
    QCOMPARE(defaults.OperandCount, std::uint8_t {2});
    QCOMPARE(defaults.OperatorMask, OperatorMask {15});
    QCOMPARE(defaults.TestLargestOperand, std::uint8_t {10});
}

void StartupTest::windowsAreCreatedHiddenAndTheGameStarts()
{
    SetUpApplication(*qApp);
    QCOMPARE(ApplicationTitle(), QStringLiteral("Kwintor-matematyczny test"));
    // Qt would append a display name to every title the desktop shows.
    QVERIFY(QGuiApplication::applicationDisplayName() != ApplicationTitle());
    {
        KwintorWindows windows;
        QVERIFY(Form1 && Form2 && Form3 && Form4 && naj2);
        QCOMPARE(Form1->opis->Caption(), QStringLiteral("Poziom 1"));
        QVERIFY(Form1->Timer1->IsRunning());  // on real seconds, unlike the tests' boards
        for (TGradientForm* window :
             std::initializer_list<TGradientForm*> {Form1, Form2, Form3, Form4, naj2}) {
            QVERIFY(!window->isVisible());
            CheckCaptionColours(*window);
        }
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Wybór poziomu trudności"));
        QCOMPARE(Form3->windowTitle(), QStringLiteral("Opcje "));
        QCOMPARE(Form4->windowTitle(), QStringLiteral("O programie"));
        QCOMPARE(naj2->windowTitle(), QStringLiteral("Lista najlepszych :"));
        // The desktop keeps the others above the board: X11 learns the owner
        // of a dialog alone, and none may gain the desktop's frame.
        for (QWidget* window : std::initializer_list<QWidget*> {Form2, Form3, Form4, naj2}) {
            QCOMPARE(window->parentWidget(), Form1);
            QCOMPARE(window->windowType(), Qt::Dialog);
            QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        }
        QCOMPARE(DialogOwner(), Form1);
    }
    QVERIFY(!Form1 && !naj2);
    QCOMPARE(DialogOwner(), nullptr);
}

// The board and the dialogs share one set of settings, which each run starts afresh.
void StartupTest::boardPlaysWhatTheDialogsChose()
{
    {
        KwintorWindows windows;
        Form3->SpinEdit1->setValue(7);
        Form3->Button1->click();
        Form1->Nowa1->trigger();
        QCOMPARE(Form1->opis->Caption(), QStringLiteral("Poziom 7"));
        Form2->zl->setValue(4);
        Form2->Ok->click();
        Form1->Nowytest1->trigger();
        QCOMPARE(Form1->Wynik->x(), 510);  // where five operands put it
    }
    KwintorWindows windows;
    QCOMPARE(Form1->opis->Caption(), QStringLiteral("Poziom 1"));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
