// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QLatin1Char>
#include <QList>
#include <QMap>
#include <QMenu>
#include <QObject>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QVariant>
#include <QWidget>

#include "board_drag.h"
#include "board_keys.h"
#include "game_fixture.h"

using namespace kwintor;

namespace {

// Every accessible object below `parent`, as a screen reader walks the tree.
void CollectDescendants(QAccessibleInterface& parent, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < parent.childCount(); ++i) {
        QAccessibleInterface* child = parent.child(i);
        found << child;
        CollectDescendants(*child, found);
    }
}

// What the board's tree says of `object`, found from the window down.
QAccessibleInterface* InTree(TForm1& form, const QObject* object)
{
    QList<QAccessibleInterface*> all;
    CollectDescendants(*QAccessible::queryAccessibleInterface(&form), all);
    for (QAccessibleInterface* item : all)
        if (item->object() == object)
            return item;
    return nullptr;
}

QString NameInTree(TForm1& form, const QObject* object)
{
    QAccessibleInterface* item = InTree(form, object);
    return item ? item->text(QAccessible::Name) : QStringLiteral("(not in the tree)");
}

// "Równanie: 4 + 10 ? ... = 2" with `signs` between the round's numbers.
QString EquationWith(const QStringList& signs)
{
    const auto operands = static_cast<std::uint8_t>(signs.size() + 1);
    QString text = QStringLiteral("Równanie: ") + QString::number(Equation[1].Operand);
    for (std::uint8_t i = 2; i <= operands; ++i)
        text += QLatin1Char(' ') + signs[i - 2] + QLatin1Char(' ') + QString::number(Equation[i].Operand);
    return text + QStringLiteral(" = ") + QString::number(EquationTarget(operands));
}

// What a new round of `operands` numbers says: "Poziom 1. Równanie: 4 ? 10 = 14. Czas: 40 sekund."
QString RoundWith(const QString& opening, int seconds, std::uint8_t operands)
{
    const QStringList empty(operands - 1, QStringLiteral("?"));
    QString text = opening + QStringLiteral(". ") + EquationWith(empty) + QLatin1Char('.');
    return seconds > 0 ? text + QStringLiteral(" Czas: %1 sekund.").arg(seconds) : text;
}

// Every object a reader finds that is hidden, says nothing or stands for
// a widget the player never sees.
QStringList Unreadable(TForm1& form)
{
    QList<QAccessibleInterface*> all;
    CollectDescendants(*QAccessible::queryAccessibleInterface(&form), all);
    QStringList faults;
    for (QAccessibleInterface* item : all) {
        const QString what = item->object()->objectName() + QLatin1Char(' ') + item->text(QAccessible::Name);
        // The toolkit's menus stay in the tree, closed, until opened.
        if (qobject_cast<QMenu*>(item->object()) || qobject_cast<QAction*>(item->object()))
            continue;
        if (item->state().invisible)
            faults << what + QStringLiteral(": hidden");
        if (item->role() == QAccessible::Client)
            faults << what + QStringLiteral(": a filler");
        if (item->text(QAccessible::Name).isEmpty() && item->childCount() == 0)
            faults << what + QStringLiteral(": no name");
        if (item->object() == form.Edit1)
            faults << what + QStringLiteral(": never shown");
        if (item->parent()->indexOfChild(item) < 0)
            faults << what + QStringLiteral(": not a child of its parent");
    }
    return faults;
}

Qt::Key KeyNamed(const QString& name)
{
    static const QMap<QString, Qt::Key> keys = {
        {"+", Qt::Key_Plus},      {"-", Qt::Key_Minus}, {"*", Qt::Key_Asterisk},    {"x", Qt::Key_X},
        {"/", Qt::Key_Slash},     {":", Qt::Key_Colon}, {"Delete", Qt::Key_Delete}, {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"=", Qt::Key_Equal}, {"c", Qt::Key_C},           {"p", Qt::Key_P},
        {"End", Qt::Key_End},
    };
    return keys.value(name, Qt::Key_unknown);
}

}  // namespace

class BoardAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { game.reset(); }
    void equationIsReadWithAQuestionMarkPerEmptySlot_data();
    void equationIsReadWithAQuestionMarkPerEmptySlot();
    void equationFollowsDropsAndKeys_data();
    void equationFollowsDropsAndKeys();
    void focusedSlotIsReadWithWhatItHolds_data();
    void focusedSlotIsReadWithWhatItHolds();
    void slotsOutOfUseHaveNoName_data();
    void slotsOutOfUseHaveNoName();
    void numbersAreReadUnderTheirHeadings();
    void solvingIsAnnounced_data();
    void solvingIsAnnounced();
    void keysAnnounceWhatTheSlotNowHolds_data();
    void keysAnnounceWhatTheSlotNowHolds();
    void mouseDropsAndClearingAreAnnounced();
    void questionKeysAnnounceTheAnswer_data();
    void questionKeysAnnounceTheAnswer();
    void newGamesAreAnnounced_data();
    void newGamesAreAnnounced();
    void treeHoldsOnlyWhatThePlayerSees_data();
    void treeHoldsOnlyWhatThePlayerSees();
    void rolesAreThoseAReaderSpeaks();

private:
    std::unique_ptr<GameFixture> game;
};

void BoardAccessibilityTest::init()
{
    game = std::make_unique<GameFixture>();
    QVERIFY(game->ShowBoard());
    QVERIFY(QTest::qWaitForWindowActive(game->form));
    game->TestRound(5);
}

void BoardAccessibilityTest::equationIsReadWithAQuestionMarkPerEmptySlot_data()
{
    QTest::addColumn<int>("operands");
    for (int operands = 2; operands <= MaxOperands; ++operands)
        QTest::addRow("%d operands", operands) << operands;
}

void BoardAccessibilityTest::equationIsReadWithAQuestionMarkPerEmptySlot()
{
    QFETCH(int, operands);

    game->TestRound(std::uint8_t(operands));
    QCOMPARE(NameInTree(*game->form, game->form->Bevel8),
             EquationWith(QStringList(operands - 1, QStringLiteral("?"))));
}

void BoardAccessibilityTest::equationFollowsDropsAndKeys_data()
{
    QTest::addColumn<QStringList>("steps");  // "source>target" drags, "Clear", or a key
    QTest::addColumn<QStringList>("signs");

    using Steps = QStringList;
    QTest::newRow("drop") << Steps {"Image2>Image5"} << Steps {"+", "?", "?", "?"};
    QTest::newRow("drop every tile") << Steps {"Image2>Image5", "Image1>Image6", "Image3>Image7",
                                               "Image4>Image8"}
                                     << Steps {"+", "-", "·", ":"};
    QTest::newRow("slot moved by the mouse")
        << Steps {"Image2>Image5", "Image5>Image7"} << Steps {"?", "?", "+", "?"};
    QTest::newRow("key") << Steps {"*"} << Steps {"·", "?", "?", "?"};
    QTest::newRow("keys move on") << Steps {"+", "-", "x", "/"} << Steps {"+", "-", "·", ":"};
    QTest::newRow("key over a drop") << Steps {"Image2>Image5", ":"} << Steps {":", "?", "?", "?"};
    QTest::newRow("Delete") << Steps {"+", "-", "Left", "Delete"} << Steps {"+", "?", "?", "?"};
    QTest::newRow("clear button") << Steps {"+", "Right", "-", "Clear"} << Steps {"?", "?", "?", "?"};
}

void BoardAccessibilityTest::equationFollowsDropsAndKeys()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, signs);

    for (const QString& step : steps) {
        const QStringList ends = step.split(QLatin1Char('>'));
        if (ends.size() == 2)
            DragTo(*game->form->ClientArea()->findChild<PictureBox*>(ends[0]),
                   *game->form->ClientArea()->findChild<QWidget*>(ends[1]));
        else if (step == QStringLiteral("Clear"))
            QTest::mouseClick(game->form->Button1, Qt::LeftButton);
        else
            Press(KeyNamed(step));
    }
    QCOMPARE(NameInTree(*game->form, game->form->Bevel8), EquationWith(signs));
}

void BoardAccessibilityTest::focusedSlotIsReadWithWhatItHolds_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("held");

    QTest::newRow("nothing") << QString() << "Pole 1: puste";
    QTest::newRow("+") << "+"
                       << "Pole 1: plus";
    QTest::newRow("-") << "-"
                       << "Pole 1: minus";
    QTest::newRow("*") << "*"
                       << "Pole 1: razy";
    QTest::newRow(":") << ":"
                       << "Pole 1: dzielone przez";
}

void BoardAccessibilityTest::focusedSlotIsReadWithWhatItHolds()
{
    QFETCH(QString, key);
    QFETCH(QString, held);

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(game->form);
    if (!key.isEmpty()) {
        Press(KeyNamed(key));
        QCOMPARE(window->focusChild()->text(QAccessible::Name), QStringLiteral("Pole 2: puste"));
        Press(Qt::Key_Left);
    }
    QAccessibleInterface* focused = window->focusChild();
    QVERIFY(focused);
    QCOMPARE(focused->object(), game->form->Image5);
    QVERIFY(focused->state().focused);
    QCOMPARE(focused->text(QAccessible::Name), held);
    QVERIFY(focused->text(QAccessible::Description).contains(QStringLiteral("Delete")));
}

void BoardAccessibilityTest::slotsOutOfUseHaveNoName_data()
{
    QTest::addColumn<int>("operands");
    for (int operands = 2; operands <= MaxOperands; ++operands)
        QTest::addRow("%d operands", operands) << operands;
}

// A round with fewer slots follows one that named them all; the slots it
// does not use are gone from the tree.
void BoardAccessibilityTest::slotsOutOfUseHaveNoName()
{
    QFETCH(int, operands);

    game->TestRound(std::uint8_t(operands));
    const auto boxes = game->form->Slots();
    for (std::size_t number = 1; number <= boxes.size(); ++number) {
        if (number < std::size_t(operands))
            QCOMPARE(NameInTree(*game->form, boxes[number - 1]),
                     QStringLiteral("Pole %1: puste").arg(number));
        else
            QVERIFY(!InTree(*game->form, boxes[number - 1]));
    }
}

void BoardAccessibilityTest::numbersAreReadUnderTheirHeadings()
{
    game->form->Nowa1->trigger();
    const QString target = QString::number(EquationTarget(2));
    QCOMPARE(NameInTree(*game->form, game->form->X1),
             QStringLiteral("Liczba 1: %1").arg(Equation[1].Operand));
    QCOMPARE(NameInTree(*game->form, game->form->X2),
             QStringLiteral("Liczba 2: %1").arg(Equation[2].Operand));
    QCOMPARE(NameInTree(*game->form, game->form->Wynik), QStringLiteral("Wynik: =") + target);
    QCOMPARE(NameInTree(*game->form, game->form->czas), QStringLiteral("Czas: 40"));
    QCOMPARE(NameInTree(*game->form, game->form->Punkty), QStringLiteral("Punkty: 0"));

    game->Tick();
    QCOMPARE(NameInTree(*game->form, game->form->czas), QStringLiteral("Czas: 39"));

    TypeOwnOperators(game->settings.OperandCount);
    QCOMPARE(NameInTree(*game->form, game->form->czas), QStringLiteral("Czas: 60"));
    QCOMPARE(NameInTree(*game->form, game->form->Punkty), QStringLiteral("Punkty: 1"));
    QCOMPARE(NameInTree(*game->form, game->form->X3),
             QStringLiteral("Liczba 3: %1").arg(Equation[3].Operand));
}

// Qt passes accessibility events on only while a screen reader listens,
// which no headless run has: the announcer's own signal stands in for them.
void BoardAccessibilityTest::solvingIsAnnounced_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("testMode");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("seconds");

    QTest::newRow("typed") << "keys" << false << "Rozwiązane! Poziom 2" << 60;
    QTest::newRow("dropped") << "drop" << false << "Rozwiązane! Poziom 2" << 60;
    QTest::newRow("seen at a tick") << "tick" << false << "Rozwiązane! Poziom 2" << 60;
    QTest::newRow("test") << "keys" << true << "Rozwiązane! Test" << 0;
}

void BoardAccessibilityTest::solvingIsAnnounced()
{
    QFETCH(QString, how);
    QFETCH(bool, testMode);
    QFETCH(QString, opening);
    QFETCH(int, seconds);

    if (testMode)
        game->TestRound(2);
    else
        game->form->Nowa1->trigger();
    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    if (how == QStringLiteral("keys")) {
        TypeOwnOperators(game->settings.OperandCount);
    } else if (how == QStringLiteral("drop")) {
        DragTo(game->form->PaletteTile(Equation[1].Operator), *game->form->Image5);
    } else {
        game->PlaceOwnOperators();
        game->Tick();
    }

    const QString announcement = RoundWith(opening, seconds, game->settings.OperandCount);
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().first().toString(), announcement);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The window announces it: the line is no part of what a reader walks.
    QVERIFY(!InTree(*game->form, game->form->Komunikat));
#else
    QAccessibleInterface* status = InTree(*game->form, game->form->Komunikat);
    QVERIFY(status);
    QCOMPARE(status->role(), QAccessible::Notification);
    QCOMPARE(status->text(QAccessible::Name), announcement);
    QVERIFY(game->form->Komunikat->isVisible());
#endif
}

// Orca reads no name change that Qt 6.4 sends, and a message that another
// follows closely may be lost: each key says in one message what it put in
// and where the focus went.
void BoardAccessibilityTest::keysAnnounceWhatTheSlotNowHolds_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("announcements");

    using Texts = QStringList;
    QTest::newRow("moving on") << Texts {"+"} << Texts {"Pole 1: plus. Pole 2: puste"};
    QTest::newRow("each key") << Texts {"-", ":"}
                              << Texts {"Pole 1: minus. Pole 2: puste",
                                        "Pole 2: dzielone przez. Pole 3: puste"};
    QTest::newRow("the last slot keeps the focus")
        << Texts {"End", "x", "*"} << Texts {"Pole 4: razy", "Pole 4: razy"};
    QTest::newRow("Delete") << Texts {"+", "Left", "Delete"}
                            << Texts {"Pole 1: plus. Pole 2: puste", "Pole 1: puste"};
    QTest::newRow("moves say nothing") << Texts {"Right", "Left", "End"} << Texts {};
}

void BoardAccessibilityTest::keysAnnounceWhatTheSlotNowHolds()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, announcements);

    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    for (const QString& key : keys)
        Press(KeyNamed(key));

    QStringList heard;
    for (const QList<QVariant>& signal : announced)
        heard << signal.first().toString();
    QCOMPARE(heard, announcements);
}

// A player who hears the board may still drag with the mouse, and may
// clear the slots with the button.
void BoardAccessibilityTest::mouseDropsAndClearingAreAnnounced()
{
    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    // Image1 carries minus.
    const QString tile = QStringLiteral("minus");
    DragTo(*game->form->Image1, *game->form->Image7);
    DragTo(*game->form->Image7, *game->form->Image5);
    QTest::mouseClick(game->form->Button1, Qt::LeftButton);

    QStringList heard;
    for (const QList<QVariant>& signal : announced)
        heard << signal.first().toString();
    const QStringList expected {
        QStringLiteral("Pole 3: ") + tile, QStringLiteral("Pole 1: %1. Pole 3: puste").arg(tile),
        EquationWith({QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?")})};
    QCOMPARE(heard, expected);
}

void BoardAccessibilityTest::questionKeysAnnounceTheAnswer_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");  // "equation" stands for the board's own

    QTest::newRow("=") << "="
                       << "equation";
    QTest::newRow("c") << "c"
                       << "Czas: 37";
    QTest::newRow("p") << "p"
                       << "Punkty: 0";
}

void BoardAccessibilityTest::questionKeysAnnounceTheAnswer()
{
    QFETCH(QString, key);
    QFETCH(QString, answer);

    game->form->Nowa1->trigger();
    game->Tick(3);
    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    Press(KeyNamed(key));

    QCOMPARE(announced.size(), 1);
    const QString expected =
        answer == QStringLiteral("equation") ? EquationWith({QStringLiteral("?")}) : answer;
    QCOMPARE(announced.first().first().toString(), expected);
    QCOMPARE(PlayerOperators[1], OperatorCode::Empty);
    QCOMPARE(game->sound->plays, 0);
}

void BoardAccessibilityTest::newGamesAreAnnounced_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("seconds");

    QTest::newRow("new game") << "Nowa1"
                              << "Poziom 1" << 40;
    QTest::newRow("new test") << "Nowytest1"
                              << "Test" << 0;
}

void BoardAccessibilityTest::newGamesAreAnnounced()
{
    QFETCH(QString, command);
    QFETCH(QString, opening);
    QFETCH(int, seconds);

    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    (command == QStringLiteral("Nowa1") ? game->form->Nowa1 : game->form->Nowytest1)->trigger();

    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().first().toString(), RoundWith(opening, seconds, game->settings.OperandCount));
}

void BoardAccessibilityTest::treeHoldsOnlyWhatThePlayerSees_data()
{
    QTest::addColumn<int>("operands");
    for (int operands = 2; operands <= MaxOperands; ++operands)
        QTest::addRow("%d operands", operands) << operands;
}

// A round with fewer numbers follows one with five.
void BoardAccessibilityTest::treeHoldsOnlyWhatThePlayerSees()
{
    QFETCH(int, operands);

    game->TestRound(std::uint8_t(operands));
    Press(Qt::Key_C);
    const QStringList faults = Unreadable(*game->form);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    const auto frames = game->form->SlotFrames();
    for (QWidget* hidden :
         {static_cast<QWidget*>(game->form->Edit1), static_cast<QWidget*>(game->form->Bevel1),
          static_cast<QWidget*>(frames[0]), static_cast<QWidget*>(game->form->Label1)})
        QVERIFY2(!InTree(*game->form, hidden), qPrintable(hidden->objectName()));
    // Edit1's text changes with every tick: a reader must get none of it.
    QVERIFY(!QAccessible::queryAccessibleInterface(game->form->Edit1)->textInterface());

    QAccessibleInterface* equation = InTree(*game->form, game->form->Bevel8);
    QVERIFY(equation);
    QCOMPARE(equation->childCount(), 2 * operands);
    int labels = 0;
    for (int i = 0; i < equation->childCount(); ++i)
        labels += equation->child(i)->role() == QAccessible::StaticText ? 1 : 0;
    QCOMPARE(labels, operands + 1);
}

void BoardAccessibilityTest::rolesAreThoseAReaderSpeaks()
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(game->form);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Kwintor"));

    QAccessibleInterface* slot = InTree(*game->form, game->form->Image5);
    QCOMPARE(slot->role(), QAccessible::Button);
    QVERIFY(slot->state().focusable);
    QCOMPARE(slot->parent()->object(), game->form->Bevel8);

    QStringList tiles;
    QAccessibleInterface* palette = InTree(*game->form, game->form->Bevel5);
    for (int i = 0; i < palette->childCount(); ++i) {
        QCOMPARE(palette->child(i)->role(), QAccessible::Graphic);
        tiles << palette->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(tiles, (QStringList {"plus", "minus", "razy", "podzielić"}));

    for (QObject* shown :
         {static_cast<QObject*>(game->form->Bevel8), static_cast<QObject*>(game->form->Wynik)}) {
        QAccessibleInterface* item = InTree(*game->form, shown);
        QVERIFY(item->textInterface());
        const int length = item->textInterface()->characterCount();
        QCOMPARE(item->textInterface()->text(0, length), item->text(QAccessible::Name));
        QCOMPARE(item->textInterface()->text(-3, length + 9), item->text(QAccessible::Name));
    }
}

QTEST_MAIN(BoardAccessibilityTest)
#include "tst_board_accessibility.moc"
