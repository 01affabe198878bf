// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QColor>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QObject>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "caption_colours.h"
#include "lone_board.h"
#include "random_source.h"
#include "tile_pictures.h"

using namespace kwintor;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { board.reset(); }
    void stateRightAfterCreation();
    void geometry_data();
    void geometry();
    void slotsLieOverTheResult_data();
    void slotsLieOverTheResult();
    void controlsLieAboveFramesAndLabels_data();
    void controlsLieAboveFramesAndLabels();
    void menu_data();
    void menu();
    void fontsAndColours_data();
    void fontsAndColours();
    void palettePicturesAreTheTiles();
    void closingEndsTheProgram();

private:
    std::unique_ptr<LoneBoard> board;
};

void MainWindowTest::init()
{
    SeedRandom(7);
    board = std::make_unique<LoneBoard>();
}

void MainWindowTest::stateRightAfterCreation()
{
    QCOMPARE(board->form.windowTitle(), QStringLiteral("Kwintor"));
    QCOMPARE(board->form.opis->Caption(), QStringLiteral("Poziom 1"));
    QCOMPARE(board->form.czas->Caption(), QStringLiteral("40"));
    QCOMPARE(board->form.Punkty->Caption(), QStringLiteral("0"));
    QVERIFY(board->form.Dwik1->isChecked());
    QCOMPARE(board->settings.CurrentLevel, 1);
    QCOMPARE(board->settings.OperandCount, std::uint8_t {2});
    CheckCaptionColours(board->form);

    board->form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board->form));
    QVERIFY(board->form.X1->isVisible() && board->form.X2->isVisible());
    QVERIFY(!board->form.X3->isVisible() && !board->form.x4->isVisible() && !board->form.X5->isVisible());
    QVERIFY(board->form.Beve1->isVisible());
    QVERIFY(!board->form.Beve2->isVisible() && !board->form.Beve3->isVisible() &&
            !board->form.Beve4->isVisible());
    for (PictureBox* slot : board->form.Slots()) {
        QVERIFY(slot->isVisible());
        QVERIFY(!slot->HasPicture());
    }
    QVERIFY(!board->form.Edit1->isVisible());
    QCOMPARE(board->form.X1->Caption(), QString::number(Equation[1].Operand));
    QCOMPARE(board->form.X2->Caption(), QString::number(Equation[2].Operand));
    QCOMPARE(board->form.Wynik->Caption(), QStringLiteral("=") + QString::number(EquationTarget(2)));
    QCOMPARE(board->form.Wynik->x(), 180);
}

void MainWindowTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("grows");  // only the top left is fixed

    const auto fixed = [](const char* name, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << false;
    };
    const auto growing = [](const char* name, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << true;
    };
    fixed("Bevel10", {8, 0, 625, 17});
    fixed("opis", {16, 8, 609, 13});
    fixed("Label2", {34, 32, 575, 13});
    fixed("Bevel8", {3, 24, 636, 161});
    fixed("Bevel7", {360, 200, 105, 65});
    fixed("Bevel6", {248, 200, 105, 65});
    fixed("Bevel5", {8, 200, 233, 65});
    fixed("Bevel4", {184, 208, 49, 50});
    fixed("Bevel3", {128, 208, 49, 50});
    fixed("Bevel2", {72, 208, 49, 50});
    fixed("Bevel1", {16, 208, 49, 50});
    fixed("Image1", {80, 216, 33, 33});
    fixed("Image2", {24, 216, 33, 33});
    fixed("Image3", {136, 216, 33, 33});
    fixed("Image4", {192, 216, 33, 33});
    fixed("Beve1", {64, 63, 49, 50});
    fixed("Image5", {72, 72, 33, 33});
    growing("X1", {8, 56, 12, 55});
    growing("X2", {120, 56, 12, 55});
    growing("Wynik", {180, 56, 12, 55});
    fixed("Beve2", {168, 63, 49, 50});
    fixed("Image6", {176, 72, 33, 33});
    growing("X3", {224, 56, 12, 55});
    fixed("Beve3", {280, 63, 49, 50});
    fixed("Image7", {288, 72, 33, 33});
    growing("x4", {344, 56, 29, 55});
    fixed("Beve4", {392, 63, 49, 50});
    fixed("Image8", {400, 72, 33, 33});
    growing("X5", {456, 56, 38, 55});
    growing("e_punkty", {256, 208, 85, 13});
    fixed("Punkty", {256, 224, 89, 37});
    fixed("Label1", {368, 208, 89, 13});
    fixed("czas", {368, 225, 89, 37});
    fixed("Bevel9", {472, 200, 161, 65});
    fixed("Edit1", {512, 416, 121, 21});
    fixed("Button1", {480, 208, 145, 25});
    fixed("Button2", {480, 232, 145, 25});
}

void MainWindowTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, grows);

    auto* widget = board->form.ClientArea()->findChild<QWidget*>(name);
    QVERIFY(widget);
    if (grows)
        QCOMPARE(widget->pos(), geometry.topLeft());
    else
        QCOMPARE(widget->geometry(), geometry);
}

void MainWindowTest::slotsLieOverTheResult_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("slotOverResult");

    // Levels whose rows give 2, 3, 4 and 5 operands.
    QTest::newRow("two operands") << 1 << QStringLiteral("Image6");
    QTest::newRow("three operands") << 2 << QStringLiteral("Image7");
    QTest::newRow("four operands") << 11 << QStringLiteral("Image8");
}

void MainWindowTest::slotsLieOverTheResult()
{
    QFETCH(int, level);
    QFETCH(QString, slotOverResult);

    board->settings.CurrentLevel = level;
    board->form.NewRound();
    board->form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board->form));
    auto* slot = board->form.ClientArea()->findChild<PictureBox*>(slotOverResult);
    const QRect overlap = slot->geometry().intersected(board->form.Wynik->geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(board->form.ClientArea()->childAt(overlap.center()), slot);
}

void MainWindowTest::controlsLieAboveFramesAndLabels_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("topmost");

    QTest::newRow("button over its box") << QPoint(500, 215) << QStringLiteral("Button1");
    QTest::newRow("second button") << QPoint(500, 245) << QStringLiteral("Button2");
    QTest::newRow("tile over its frame") << QPoint(30, 220) << QStringLiteral("Image2");
    QTest::newRow("slot over its frame") << QPoint(80, 80) << QStringLiteral("Image5");
    QTest::newRow("score over its box") << QPoint(300, 240) << QStringLiteral("Punkty");
}

void MainWindowTest::controlsLieAboveFramesAndLabels()
{
    QFETCH(QPoint, point);
    QFETCH(QString, topmost);

    board->form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board->form));
    QWidget* hit = board->form.ClientArea()->childAt(point);
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), topmost);
}

void MainWindowTest::menu_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("text");

    QTest::newRow("Nowa1") << "Nowa1"
                           << "&Gra"
                           << "&Nowa gra";
    QTest::newRow("Najlepszewyniki1") << "Najlepszewyniki1"
                                      << "&Gra"
                                      << "Najlepsze wyniki z gier";
    QTest::newRow("Nowytest1") << "Nowytest1"
                               << "&Gra"
                               << "Nowy test (bez najlepszych wyników)";
    QTest::newRow("Wyjcie1") << "Wyjcie1"
                             << "&Gra"
                             << "&Wyjście";
    QTest::newRow("Poziomtrudnoci1") << "Poziomtrudnoci1"
                                     << "Opcje"
                                     << "Poziom trudności testu";
    QTest::newRow("Poziomtrudnocigry1") << "Poziomtrudnocigry1"
                                        << "Opcje"
                                        << "Poziom startowy gry";
    QTest::newRow("Dwik1") << "Dwik1"
                           << "Opcje"
                           << "Dźwięk";
    QTest::newRow("Pomoc1") << "Pomoc1" << QString() << "Pomoc";
}

void MainWindowTest::menu()
{
    QFETCH(QString, action);
    QFETCH(QString, menu);
    QFETCH(QString, text);

    const std::map<QString, QAction*> actions = {
        {"Nowa1", board->form.Nowa1},
        {"Najlepszewyniki1", board->form.Najlepszewyniki1},
        {"Nowytest1", board->form.Nowytest1},
        {"Wyjcie1", board->form.Wyjcie1},
        {"Poziomtrudnoci1", board->form.Poziomtrudnoci1},
        {"Poziomtrudnocigry1", board->form.Poziomtrudnocigry1},
        {"Dwik1", board->form.Dwik1},
        {"Pomoc1", board->form.Pomoc1},
    };
    QAction* item = actions.at(action);
    QCOMPARE(item->text(), text);
    if (menu.isEmpty()) {
        QVERIFY(board->form.MainMenu1->actions().contains(item));
        QVERIFY(!item->menu());
    } else {
        QMenu* owner = menu == "&Gra" ? board->form.Gra1 : board->form.Opcje1;
        QCOMPARE(owner->title(), menu);
        QVERIFY(owner->actions().contains(item));
    }
    QCOMPARE(item == board->form.Nowa1, item->shortcut() == QKeySequence(Qt::Key_F2));
    QCOMPARE(item->isCheckable(), item == board->form.Dwik1);
}

void MainWindowTest::fontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");  // invalid: the board shows through

    const QColor none;
    const QColor silver(0xC0, 0xC0, 0xC0);
    QTest::newRow("opis") << "opis"
                          << "MS Sans Serif" << 11 << true << QColor(Qt::black) << none;
    QTest::newRow("X1") << "X1"
                        << "Times New Roman" << 48 << true << QColor(0, 0, 0xFF) << silver;
    QTest::newRow("Wynik") << "Wynik"
                           << "Times New Roman" << 48 << true << QColor(0, 0, 0xFF) << silver;
    QTest::newRow("X5") << "X5"
                        << "Times New Roman" << 48 << true << QColor(0, 0, 0xFF) << silver;
    QTest::newRow("e_punkty") << "e_punkty"
                              << "MS Sans Serif" << 11 << true << QColor(0xFF, 0, 0) << silver;
    QTest::newRow("Punkty") << "Punkty"
                            << "MS Sans Serif" << 32 << true << QColor(0xFF, 0, 0) << none;
    QTest::newRow("Label1") << "Label1"
                            << "MS Sans Serif" << 11 << true << QColor(0, 0x80, 0) << none;
    QTest::newRow("czas") << "czas"
                          << "MS Sans Serif" << 32 << true << QColor(0, 0x80, 0) << none;
    QTest::newRow("Label2") << "Label2"
                            << "MS Sans Serif" << 11 << false << QColor(Qt::black) << none;
}

void MainWindowTest::fontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, text);
    QFETCH(QColor, background);

    auto* label = board->form.ClientArea()->findChild<Label*>(name);
    QVERIFY(label);
    QCOMPARE(label->font().families().value(0), family);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->palette().color(QPalette::WindowText), text);
    QCOMPARE(label->autoFillBackground(), background.isValid());
    if (background.isValid())
        QCOMPARE(label->palette().color(QPalette::Window), background);
}

void MainWindowTest::palettePicturesAreTheTiles()
{
    QCOMPARE(board->form.Image1->Picture(), TilePicture(OperatorCode::Minus));
    QCOMPARE(board->form.Image2->Picture(), TilePicture(OperatorCode::Plus));
    QCOMPARE(board->form.Image3->Picture(), TilePicture(OperatorCode::Multiplication));
    QCOMPARE(board->form.Image4->Picture(), TilePicture(OperatorCode::Division));
    for (PictureBox* picture :
         {board->form.Image1, board->form.Image2, board->form.Image3, board->form.Image4})
        QVERIFY(picture->IsDraggable());
    for (PictureBox* slot : board->form.Slots())
        QVERIFY(slot->IsDraggable());
}

void MainWindowTest::closingEndsTheProgram()
{
    board->form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board->form));
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, board->form.Wyjcie1, &QAction::trigger);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(quitting.count(), 1);
    QVERIFY(!board->form.isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
