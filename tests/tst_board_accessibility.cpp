#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include "board_drag.h"
#include "board_keys.h"
#include "game_fixture.h"
#include "tile_pictures.h"

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
    const std::uint8_t operands = GameSettings.OperandCount;
    QString text = QStringLiteral("Równanie: ") + QString::number(Equation[1].Operand);
    for (std::uint8_t i = 2; i <= operands; ++i)
        text += QLatin1Char(' ') + signs[i - 2] + QLatin1Char(' ') + QString::number(Equation[i].Operand);
    return text + QStringLiteral(" = ") + QString::number(EquationTarget(operands));
}

PictureBox& TileOf(TForm1& form, OperatorCode code)
{
    const auto tiles = form.PaletteTiles();
    return **std::find_if(tiles.begin(), tiles.end(),
                          [&](const PictureBox* tile) { return tile->Picture() == TilePicture(code); });
}

Qt::Key KeyNamed(const QString& name)
{
    static const QMap<QString, Qt::Key> keys = {
        {"+", Qt::Key_Plus},        {"-", Qt::Key_Minus},   {"*", Qt::Key_Asterisk},
        {"x", Qt::Key_X},           {"/", Qt::Key_Slash},   {":", Qt::Key_Colon},
        {"Delete", Qt::Key_Delete}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
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
    void anUnsolvedPlacementIsNotAnnounced();

private:
    std::unique_ptr<GameFixture> game;
};

void BoardAccessibilityTest::init()
{
    game = std::make_unique<GameFixture>();
    QVERIFY(game->ShowBoard());
    QVERIFY(QTest::qWaitForWindowActive(game->form.get()));
    TestRound(*game->form, 5);
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

    TestRound(*game->form, std::uint8_t(operands));
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

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(game->form.get());
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

// A round with fewer slots follows one that named them all.
void BoardAccessibilityTest::slotsOutOfUseHaveNoName()
{
    QFETCH(int, operands);

    TestRound(*game->form, std::uint8_t(operands));
    const auto boxes = game->form->Slots();
    for (std::size_t number = 1; number <= boxes.size(); ++number) {
        const QString name = NameInTree(*game->form, boxes[number - 1]);
        if (number < std::size_t(operands))
            QCOMPARE(name, QStringLiteral("Pole %1: puste").arg(number));
        else
            QCOMPARE(name, QString());
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

    TypeOwnOperators();
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
    QTest::addColumn<QString>("announcement");

    QTest::newRow("typed") << "keys" << false << "Rozwiązane! Poziom 2";
    QTest::newRow("dropped") << "drop" << false << "Rozwiązane! Poziom 2";
    QTest::newRow("seen at a tick") << "tick" << false << "Rozwiązane! Poziom 2";
    QTest::newRow("test") << "keys" << true << "Rozwiązane! Test";
}

void BoardAccessibilityTest::solvingIsAnnounced()
{
    QFETCH(QString, how);
    QFETCH(bool, testMode);
    QFETCH(QString, announcement);

    if (testMode)
        TestRound(*game->form, 2);
    else
        game->form->Nowa1->trigger();
    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    if (how == QStringLiteral("keys")) {
        TypeOwnOperators();
    } else if (how == QStringLiteral("drop")) {
        DragTo(TileOf(*game->form, Equation[1].Operator), *game->form->Image5);
    } else {
        GameFixture::PlaceOwnOperators();
        game->Tick();
    }

    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.first().first().toString(), announcement);
    QAccessibleInterface* status = InTree(*game->form, game->form->Komunikat);
    QVERIFY(status);
    QCOMPARE(status->role(), QAccessible::AlertMessage);
    QCOMPARE(status->text(QAccessible::Name), announcement);
}

void BoardAccessibilityTest::anUnsolvedPlacementIsNotAnnounced()
{
    QSignalSpy announced(game->form->Komunikat, &Announcer::Announced);
    Press(Qt::Key_Plus);
    DragTo(*game->form->Image1, *game->form->Image7);
    Press(Qt::Key_Delete);
    QCOMPARE(announced.size(), 0);
}

QTEST_MAIN(BoardAccessibilityTest)
#include "tst_board_accessibility.moc"
