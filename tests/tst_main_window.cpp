// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "fakes/fake_wave_playback.h"
#include "game_settings.h"
#include "main_window.h"
#include "random_source.h"
#include "tile_pictures.h"

using namespace kwintor;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { form.reset(); }
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
    std::unique_ptr<TForm1> form;
};

void MainWindowTest::init()
{
    GameSettings = Settings {};
    SeedRandom(7);
    form = std::make_unique<TForm1>(std::make_unique<FakeWavePlayback>());
}

void MainWindowTest::stateRightAfterCreation()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Kwintor"));
    QCOMPARE(form->opis->Caption(), QStringLiteral("Poziom 1"));
    QCOMPARE(form->czas->Caption(), QStringLiteral("40"));
    QCOMPARE(form->Punkty->Caption(), QStringLiteral("0"));
    QVERIFY(form->Dwik1->isChecked());
    QCOMPARE(GameSettings.CurrentLevel, 1);
    QCOMPARE(GameSettings.OperandCount, std::uint8_t {2});
    QCOMPARE(form->GradientStartColor(), TColor {127});
    QCOMPARE(form->GradientStopColor(), TColor {0xFF0000});

    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(form->X1->isVisible() && form->X2->isVisible());
    QVERIFY(!form->X3->isVisible() && !form->x4->isVisible() && !form->X5->isVisible());
    QVERIFY(form->Beve1->isVisible());
    QVERIFY(!form->Beve2->isVisible() && !form->Beve3->isVisible() && !form->Beve4->isVisible());
    for (PictureBox* slot : form->Slots()) {
        QVERIFY(slot->isVisible());
        QVERIFY(!slot->HasPicture());
    }
    QVERIFY(!form->Edit1->isVisible());
    QCOMPARE(form->X1->Caption(), QString::number(Equation[1].Operand));
    QCOMPARE(form->X2->Caption(), QString::number(Equation[2].Operand));
    QCOMPARE(form->Wynik->Caption(), QStringLiteral("=") + QString::number(EquationTarget(2)));
    QCOMPARE(form->Wynik->x(), 180);
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

    auto* widget = form->ClientArea()->findChild<QWidget*>(name);
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

    GameSettings.CurrentLevel = level;
    form->NewRound();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* slot = form->ClientArea()->findChild<PictureBox*>(slotOverResult);
    const QRect overlap = slot->geometry().intersected(form->Wynik->geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(form->ClientArea()->childAt(overlap.center()), slot);
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

    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QWidget* hit = form->ClientArea()->childAt(point);
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
        {"Nowa1", form->Nowa1},
        {"Najlepszewyniki1", form->Najlepszewyniki1},
        {"Nowytest1", form->Nowytest1},
        {"Wyjcie1", form->Wyjcie1},
        {"Poziomtrudnoci1", form->Poziomtrudnoci1},
        {"Poziomtrudnocigry1", form->Poziomtrudnocigry1},
        {"Dwik1", form->Dwik1},
        {"Pomoc1", form->Pomoc1},
    };
    QAction* item = actions.at(action);
    QCOMPARE(item->text(), text);
    if (menu.isEmpty()) {
        QVERIFY(form->MainMenu1->actions().contains(item));
        QVERIFY(!item->menu());
    } else {
        QMenu* owner = menu == "&Gra" ? form->Gra1 : form->Opcje1;
        QCOMPARE(owner->title(), menu);
        QVERIFY(owner->actions().contains(item));
    }
    QCOMPARE(item == form->Nowa1, item->shortcut() == QKeySequence(Qt::Key_F2));
    QCOMPARE(item->isCheckable(), item == form->Dwik1);
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

    auto* label = form->ClientArea()->findChild<Label*>(name);
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
    QCOMPARE(form->Image1->Picture(), TilePicture(OperatorCode::Minus));
    QCOMPARE(form->Image2->Picture(), TilePicture(OperatorCode::Plus));
    QCOMPARE(form->Image3->Picture(), TilePicture(OperatorCode::Multiplication));
    QCOMPARE(form->Image4->Picture(), TilePicture(OperatorCode::Division));
    for (PictureBox* picture : {form->Image1, form->Image2, form->Image3, form->Image4})
        QVERIFY(picture->IsDraggable());
    for (PictureBox* slot : form->Slots())
        QVERIFY(slot->IsDraggable());
}

void MainWindowTest::closingEndsTheProgram()
{
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, form->Wyjcie1, &QAction::trigger);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(quitting.count(), 1);
    QVERIFY(!form->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
