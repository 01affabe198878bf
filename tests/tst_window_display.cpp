// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QWidget>

#include "error_display.h"
#include "modal_script.h"
#include "waits.h"
#include "window_display.h"

using namespace kwintor;

class WindowDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void showModalWaitsUntilTheWindowIsHidden_data();
    void showModalWaitsUntilTheWindowIsHidden();
    void windowServesAgainAfterwards();
    void modalityIsRestored_data();
    void modalityIsRestored();
    void otherWindowsTakeNoInputMeanwhile();
    void visibleWindowIsRefused();
    void showModelessDoesNotWait();
    void showModelessRestoresAMinimisedWindow_data();
    void showModelessRestoresAMinimisedWindow();
    void aBoxComesBackWhenMinimised();
};

void WindowDisplayTest::showModalWaitsUntilTheWindowIsHidden_data()
{
    QTest::addColumn<bool>("byClosing");

    QTest::newRow("closed") << true;
    QTest::newRow("hidden") << false;
}

void WindowDisplayTest::showModalWaitsUntilTheWindowIsHidden()
{
    QFETCH(bool, byClosing);

    QWidget window;
    bool wasTheModalOne = false;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        wasTheModalOne = &modal == &window && window.isVisible();
        if (byClosing)
            window.close();
        else
            window.hide();
    });
    ShowModal(window);
    QVERIFY(reply.Finished());
    QVERIFY(wasTheModalOne);
    QVERIFY(!window.isVisible());
}

void WindowDisplayTest::windowServesAgainAfterwards()
{
    QPointer<QWidget> window = new QWidget;
    for (int round = 1; round <= 2; ++round) {
        ModalScript reply;
        reply.Then({}, [](QWidget& modal) { modal.close(); });
        ShowModal(*window);
        QVERIFY(reply.Finished());
        QVERIFY(window);
    }
    delete window;
}

void WindowDisplayTest::modalityIsRestored_data()
{
    QTest::addColumn<Qt::WindowModality>("modality");

    QTest::newRow("modeless") << Qt::NonModal;
    QTest::newRow("window modal") << Qt::WindowModal;
    QTest::newRow("application modal") << Qt::ApplicationModal;
}

void WindowDisplayTest::modalityIsRestored()
{
    QFETCH(Qt::WindowModality, modality);

    QWidget window;
    window.setWindowModality(modality);
    Qt::WindowModality during = Qt::NonModal;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        during = modal.windowModality();
        modal.close();
    });
    ShowModal(window);
    QCOMPARE(during, Qt::ApplicationModal);
    QCOMPARE(window.windowModality(), modality);
}

void WindowDisplayTest::otherWindowsTakeNoInputMeanwhile()
{
    QWidget board;
    board.setGeometry(20, 20, 200, 100);
    auto* button = new QPushButton(QStringLiteral("Nowa gra"), &board);
    button->setGeometry(10, 10, 100, 30);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QSignalSpy clicks(button, &QPushButton::clicked);
    const QPoint onButton = button->geometry().center();

    QWidget window;
    window.setGeometry(300, 20, 200, 100);
    qsizetype clicksMeanwhile = -1;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        QTest::mouseClick(board.windowHandle(), Qt::LeftButton, {}, onButton);
        clicksMeanwhile = clicks.size();
        modal.close();
    });
    ShowModal(window);
    QCOMPARE(clicksMeanwhile, qsizetype(0));

    // The same click counts once the window is gone.
    QTest::mouseClick(board.windowHandle(), Qt::LeftButton, {}, onButton);
    QCOMPARE(clicks.size(), qsizetype(1));
}

void WindowDisplayTest::visibleWindowIsRefused()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Should it go modal after all, this closes it so that the test fails rather than hangs.
    ModalScript reply;
    reply.Then({}, [](QWidget& modal) { modal.close(); });

    QString message;
    try {
        ShowModal(window);
    } catch (const Error& error) {
        message = MessageOf(error);
    }
    QVERIFY(!message.isEmpty());
    QVERIFY(!reply.Finished());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(window.windowModality(), Qt::NonModal);
    QVERIFY(window.isVisible());
}

void WindowDisplayTest::showModelessDoesNotWait()
{
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    QWidget window;
    ShowModeless(window);
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    WAIT_COMPARE(QApplication::activeWindow(), &window);

    // Once more while it shows: it comes to the front again.
    other.activateWindow();
    WAIT_COMPARE(QApplication::activeWindow(), &other);
    ShowModeless(window);
    WAIT_COMPARE(QApplication::activeWindow(), &window);
}

void WindowDisplayTest::showModelessRestoresAMinimisedWindow_data()
{
    QTest::addColumn<Qt::WindowStates>("before");
    QTest::addColumn<Qt::WindowStates>("after");

    QTest::newRow("minimised") << Qt::WindowStates(Qt::WindowMinimized) << Qt::WindowStates();
    QTest::newRow("minimised from maximised") << Qt::WindowStates(Qt::WindowMinimized | Qt::WindowMaximized)
                                              << Qt::WindowStates(Qt::WindowMaximized);
    QTest::newRow("maximised") << Qt::WindowStates(Qt::WindowMaximized)
                               << Qt::WindowStates(Qt::WindowMaximized);
}

void WindowDisplayTest::showModelessRestoresAMinimisedWindow()
{
    QFETCH(Qt::WindowStates, before);
    QFETCH(Qt::WindowStates, after);

    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(before);
    ShowModeless(window);
    QCOMPARE(window.windowState() & ~Qt::WindowActive, after);
    WAIT_COMPARE(QApplication::activeWindow(), &window);
}

// Some window managers minimise a box whatever it asks, and the board with
// it; the game would then wait for a box nobody can see.
void WindowDisplayTest::aBoxComesBackWhenMinimised()
{
    QWidget board;
    SetMainWindow(&board);
    QWidget box;
    GiveToOwner(box);
    SetMainWindow(nullptr);
    QCOMPARE(box.parentWidget(), &board);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setWindowState(Qt::WindowMinimized);
    WAIT_VERIFY(!box.isMinimized());
    QVERIFY(box.isVisible());
}

QTEST_MAIN(WindowDisplayTest)
#include "tst_window_display.moc"
