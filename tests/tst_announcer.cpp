// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QList>
#include <QObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVariant>
#include <QWidget>

#include "announcer.h"

using namespace kwintor;

class AnnouncerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { window.reset(); }
    void everyMessageReachesTheReaderInTurn_data();
    void everyMessageReachesTheReaderInTurn();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    void theLineNeverShows();
#else
    void theLineAppearsNamedByTheMessage();
#endif

private:
    std::unique_ptr<QWidget> window;
    Announcer* announcer = nullptr;
};

void AnnouncerTest::init()
{
    window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Kwintor"));
    auto* button = new QPushButton(QStringLiteral("Poddaję grę"), window.get());
    announcer = new Announcer(window.get());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    button->setFocus();
}

void AnnouncerTest::everyMessageReachesTheReaderInTurn_data()
{
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("one") << QStringList {"Pole 1: plus"};
    QTest::newRow("the same twice") << QStringList {"Pole 1: puste", "Pole 1: puste"};
    QTest::newRow("one on another's heels")
        << QStringList {"Rozwiązane! Poziom 2. Równanie: 4 ? 10 ? 3 = 17. Czas: 60 sekund.", "Pole 1: razy"};
}

void AnnouncerTest::everyMessageReachesTheReaderInTurn()
{
    QFETCH(QStringList, messages);

    QSignalSpy announced(announcer, &Announcer::Announced);
    for (const QString& message : messages)
        announcer->Announce(message);

    QStringList signalled;
    for (const QList<QVariant>& signal : announced)
        signalled << signal.first().toString();
    QCOMPARE(signalled, messages);
    QCOMPARE(announcer->Announcement(), messages.last());
    QVERIFY(QApplication::focusWidget() != announcer);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
// The window announces: the line never shows, and no reader finds it as a
// notification, which would be read a second time.
void AnnouncerTest::theLineNeverShows()
{
    announcer->Announce(QStringLiteral("Pole 1: plus"));

    QVERIFY(announcer->isHidden());
    QVERIFY(QAccessible::queryAccessibleInterface(announcer)->role() != QAccessible::Notification);
}
#else
// Orca 43 speaks a notification that appears wherever the focus is.
void AnnouncerTest::theLineAppearsNamedByTheMessage()
{
    announcer->Announce(QStringLiteral("Pole 1: plus"));

    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(line->role(), QAccessible::Notification);
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Pole 1: plus"));
    QVERIFY(announcer->isVisible());
}
#endif

QTEST_MAIN(AnnouncerTest)
#include "tst_announcer.moc"
