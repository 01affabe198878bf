// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QByteArray>
#include <QChar>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLatin1Char>
#include <QLatin1String>
#include <QLineEdit>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include "caption_colours.h"
#include "desktop_metrics.h"
#include "dialog_fixture.h"
#include "modal_script.h"
#include "scripted_prompts.h"
#include "test_difficulty_dialog.h"

using namespace kwintor;

namespace {

enum class StepBy { Keys, Arrows };

// What a player might try to get another number into a spin box.
enum class Interference { TypedDigit, BackspaceThenDigit, Paste, PageUp, PageDown, Wheel, ContextMenu };

void ClickArrow(QSpinBox* spin, QStyle::SubControl arrow)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_All;
    option.frame = spin->hasFrame();
    option.buttonSymbols = spin->buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect area = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, area.center());
}

void Step(QSpinBox* spin, QChar direction, StepBy how)
{
    const bool up = direction == QLatin1Char('U');
    if (how == StepBy::Keys)
        QTest::keyClick(spin, up ? Qt::Key_Up : Qt::Key_Down);
    else
        ClickArrow(spin, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown);
}

// Notes every popup that comes up and closes it from inside the loop it
// opens, for a menu runs one of its own.
class PopupCloser : public QObject {
public:
    PopupCloser() { qApp->installEventFilter(this); }
    ~PopupCloser() override { qApp->removeEventFilter(this); }
    PopupCloser(const PopupCloser&) = delete;
    PopupCloser& operator=(const PopupCloser&) = delete;

    bool opened = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->windowType() == Qt::Popup) {
            opened = true;
            QMetaObject::invokeMethod(
                widget, [widget] { widget->close(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// True when a popup menu came up, which is then closed again.
bool RightClickOpensMenu(QSpinBox* spin)
{
    const PopupCloser closer;
    const QPoint centre = spin->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, spin->mapToGlobal(centre));
    QApplication::sendEvent(spin, &event);
    // A popup shown without a loop of its own is closed here.
    QCoreApplication::sendPostedEvents();
    return closer.opened;
}

void Interfere(QSpinBox* spin, Interference interference, const QString& digit)
{
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    switch (interference) {
    case Interference::TypedDigit: QTest::keyClicks(spin, digit); break;
    case Interference::BackspaceThenDigit:
        QTest::keyClick(spin, Qt::Key_End);
        QTest::keyClick(spin, Qt::Key_Backspace);
        QTest::keyClicks(spin, digit);
        break;
    case Interference::Paste:
        QGuiApplication::clipboard()->setText(digit);
        QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
        break;
    case Interference::PageUp: QTest::keyClick(spin, Qt::Key_PageUp); break;
    case Interference::PageDown: QTest::keyClick(spin, Qt::Key_PageDown); break;
    case Interference::Wheel: {
        const QPointF centre = spin->rect().center();
        QWheelEvent wheel(centre, spin->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(spin, &wheel);
        break;
    }
    case Interference::ContextMenu: QVERIFY(!RightClickOpensMenu(spin)); break;
    }
}

QString FocusedName()
{
    QWidget* widget = QApplication::focusWidget();
    // A spin box hands its focus to its inner line edit.
    while (widget && widget->objectName().startsWith(QLatin1String("qt_")))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

void CompareSettings(const Settings& actual, const Settings& expected)
{
    QCOMPARE(actual.CurrentLevel, expected.CurrentLevel);
    QCOMPARE(actual.StartLevel, expected.StartLevel);
    QCOMPARE(int(actual.OperandCount), int(expected.OperandCount));
    QCOMPARE(int(actual.OperatorMask), int(expected.OperatorMask));
    QCOMPARE(int(actual.TestLargestOperand), int(expected.TestLargestOperand));
}

Settings AfterAGame()
{
    Settings settings;
    settings.CurrentLevel = 7;
    settings.StartLevel = 11;
    settings.OperandCount = 3;
    settings.OperatorMask = 6;
    settings.TestLargestOperand = 12;
    return settings;
}

}  // namespace

Q_DECLARE_METATYPE(StepBy)
Q_DECLARE_METATYPE(Interference)

class TestDifficultyDialogTest : public DialogFixture<TForm2> {
    Q_OBJECT

private slots:
    void init() { MakeDialog(); }
    void cleanup() { form.reset(); }
    void captionAndFrame();
    void geometry_data();
    void geometry();
    void tabOrder();
    void stepsStopAtTheEnds_data();
    void stepsStopAtTheEnds();
    void nothingElseChangesASpinBox_data();
    void nothingElseChangesASpinBox();
    void maskFromTheBoxes_data();
    void maskFromTheBoxes();
    void okStoresTheChoice_data();
    void okStoresTheChoice();
    void modalResult_data();
    void modalResult();
    void cancelKeepsSettingsButNotTheWidgets();
    void okWithoutOperatorsAsksForOne();

private:
    void Uncheck(const QStringList& boxes);
};

void TestDifficultyDialogTest::Uncheck(const QStringList& boxes)
{
    for (const QString& name : boxes) {
        auto* box = form->findChild<QCheckBox*>(name);
        QVERIFY(box);
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!box->isChecked());
    }
}

void TestDifficultyDialogTest::captionAndFrame()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Wybór poziomu trudności"));
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType button : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                  Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
        QVERIFY(!flags.testFlag(button));
    QCOMPARE(form->font().pixelSize(), 14);
    QCOMPARE(form->geometry(), QRect(200, 108, 377, 316));
    QCOMPARE(form->minimumSize(), QSize(377, 316));
    CheckCaptionColours(*form);
}

void TestDifficultyDialogTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QString>("text");

    QTest::newRow("GroupBox2") << "GroupBox2"
                               << "" << QRect(10, 0, 346, 90) << "Zakres testu";
    QTest::newRow("Label1") << "Label1"
                            << "GroupBox2" << QRect(10, 30, 232, 19) << "Liczba działań do odgadnięcia :";
    QTest::newRow("zl") << "zl"
                        << "GroupBox2" << QRect(286, 20, 40, 26) << "1";
    QTest::newRow("Label2") << "Label2"
                            << "GroupBox2" << QRect(4, 59, 312, 20)
                            << "Zakres liczb używanych w grze : od zera do";
    QTest::newRow("zak") << "zak"
                         << "GroupBox2" << QRect(276, 59, 50, 26) << "10";
    QTest::newRow("GroupBox1") << "GroupBox1"
                               << "" << QRect(10, 98, 346, 140) << "Działania użyte w teście";
    QTest::newRow("dodawanie") << "dodawanie"
                               << "GroupBox1" << QRect(10, 20, 119, 21) << "Dodawanie";
    QTest::newRow("Odejmowanie") << "Odejmowanie"
                                 << "GroupBox1" << QRect(10, 49, 119, 21) << "Odejmowanie";
    QTest::newRow("Mnozenie") << "Mnozenie"
                              << "GroupBox1" << QRect(10, 79, 119, 21) << "Mnożenie";
    QTest::newRow("dzielenie") << "dzielenie"
                               << "GroupBox1" << QRect(10, 108, 119, 21) << "Dzielenie";
    QTest::newRow("Ok") << "Ok"
                        << "" << QRect(39, 246, 93, 31) << "Ok";
    QTest::newRow("Anuluj") << "Anuluj"
                            << "" << QRect(158, 246, 92, 31) << "Anuluj";
}

void TestDifficultyDialogTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, group);
    QFETCH(QRect, bounds);
    QFETCH(QString, text);

    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QWidget* expectedParent = group.isEmpty() ? form->ClientArea() : form->findChild<QWidget*>(group);
    QCOMPARE(widget->parentWidget(), expectedParent);
    QCOMPARE(widget->geometry(), bounds);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), text);
    else if (auto* groupBox = qobject_cast<QGroupBox*>(widget))
        QCOMPARE(groupBox->title(), text);
    else
        QCOMPARE(qobject_cast<QSpinBox*>(widget)->text(), text);
}

void TestDifficultyDialogTest::tabOrder()
{
    ShowForm();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->Ok->setFocus();
    QStringList visited {FocusedName()};
    for (int press = 0; press < 8; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << FocusedName();
    }
    QCOMPARE(visited,
             QStringList(
                 {"Ok", "Anuluj", "dodawanie", "Odejmowanie", "Mnozenie", "dzielenie", "zl", "zak", "Ok"}));
}

void TestDifficultyDialogTest::stepsStopAtTheEnds_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<StepBy>("how");
    QTest::addColumn<QString>("directions");
    QTest::addColumn<QList<int>>("values");

    for (const auto& [how, kind] : {std::pair {StepBy::Keys, "keys"}, std::pair {StepBy::Arrows, "arrows"}}) {
        const QByteArray by = QByteArray(" by ") + kind;
        QTest::newRow("zl up to 4" + by) << "zl" << how << "UUUU" << QList<int> {2, 3, 4, 4};
        QTest::newRow("zl down stops at 1" + by) << "zl" << how << "DUDD" << QList<int> {1, 2, 1, 1};
        QTest::newRow("zak up to 15" + by) << "zak" << how << "UUUUUU" << QList<int> {11, 12, 13, 14, 15, 15};
        QTest::newRow("zak down to 5" + by) << "zak" << how << "DDDDDD" << QList<int> {9, 8, 7, 6, 5, 5};
    }
}

void TestDifficultyDialogTest::stepsStopAtTheEnds()
{
    QFETCH(QString, spin);
    QFETCH(StepBy, how);
    QFETCH(QString, directions);
    QFETCH(QList<int>, values);

    ShowForm();
    auto* box = form->findChild<QSpinBox*>(spin);
    QList<int> seen;
    for (QChar direction : directions) {
        Step(box, direction, how);
        seen << box->value();
    }
    QCOMPARE(seen, values);
}

void TestDifficultyDialogTest::nothingElseChangesASpinBox_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("digit");
    QTest::addColumn<Interference>("interference");

    const std::pair<Interference, const char*> tries[] {
        {Interference::TypedDigit, "typed digit"},
        {Interference::BackspaceThenDigit, "backspace and digit"},
        {Interference::Paste, "paste"},
        {Interference::PageUp, "page up"},
        {Interference::PageDown, "page down"},
        {Interference::Wheel, "wheel"},
        {Interference::ContextMenu, "context menu"},
    };
    for (const auto& [interference, name] : tries) {
        QTest::newRow(QByteArray("zl, ") + name) << "zl"
                                                 << "3" << interference;
        QTest::newRow(QByteArray("zak, ") + name) << "zak"
                                                  << "7" << interference;
    }
}

void TestDifficultyDialogTest::nothingElseChangesASpinBox()
{
    QFETCH(QString, spin);
    QFETCH(QString, digit);
    QFETCH(Interference, interference);

    ShowForm();
    auto* box = form->findChild<QSpinBox*>(spin);
    QTest::keyClick(box, Qt::Key_Up);
    const int before = box->value();
    Interfere(box, interference, digit);
    QCOMPARE(box->value(), before);
    QCOMPARE(box->text(), QString::number(before));
}

void TestDifficultyDialogTest::maskFromTheBoxes_data()
{
    QTest::addColumn<QStringList>("cleared");
    QTest::addColumn<int>("mask");

    QTest::newRow("all") << QStringList {} << 15;
    QTest::newRow("plus and division") << QStringList {"Odejmowanie", "Mnozenie"} << 5;
    QTest::newRow("plus only") << QStringList {"Odejmowanie", "Mnozenie", "dzielenie"} << 1;
    QTest::newRow("minus only") << QStringList {"dodawanie", "Mnozenie", "dzielenie"} << 2;
    QTest::newRow("division only") << QStringList {"dodawanie", "Odejmowanie", "Mnozenie"} << 4;
    QTest::newRow("multiplication only") << QStringList {"dodawanie", "Odejmowanie", "dzielenie"} << 8;
    QTest::newRow("minus and multiplication") << QStringList {"dodawanie", "dzielenie"} << 10;
}

void TestDifficultyDialogTest::maskFromTheBoxes()
{
    QFETCH(QStringList, cleared);
    QFETCH(int, mask);

    ShowForm();
    Uncheck(cleared);
    QTest::mouseClick(form->Ok, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(int(settings.OperatorMask), mask);
}

void TestDifficultyDialogTest::okStoresTheChoice_data()
{
    QTest::addColumn<QString>("zlSteps");
    QTest::addColumn<QString>("zakSteps");
    QTest::addColumn<bool>("gameRan");
    QTest::addColumn<int>("operandCount");
    QTest::addColumn<int>("largestOperand");

    QTest::newRow("as first shown") << ""
                                    << "" << false << 2 << 10;
    QTest::newRow("as first shown, after a game") << ""
                                                  << "" << true << 2 << 10;
    QTest::newRow("most of everything") << "UUU"
                                        << "UUUUU" << true << 5 << 15;
    QTest::newRow("least of everything") << "D"
                                         << "DDDDD" << false << 2 << 5;
    QTest::newRow("some of each") << "U"
                                  << "DD" << true << 3 << 8;
}

void TestDifficultyDialogTest::okStoresTheChoice()
{
    QFETCH(QString, zlSteps);
    QFETCH(QString, zakSteps);
    QFETCH(bool, gameRan);
    QFETCH(int, operandCount);
    QFETCH(int, largestOperand);

    if (gameRan)
        settings = AfterAGame();
    const Settings before = settings;
    ShowForm();
    for (QChar direction : zlSteps)
        Step(form->zl, direction, StepBy::Keys);
    for (QChar direction : zakSteps)
        Step(form->zak, direction, StepBy::Keys);
    QTest::mouseClick(form->Ok, Qt::LeftButton);

    QVERIFY(!form->isVisible());
    QCOMPARE(form->ModalResult(), mrOk);
    QCOMPARE(int(settings.OperandCount), operandCount);
    QCOMPARE(int(settings.OperatorMask), 15);
    QCOMPARE(int(settings.TestLargestOperand), largestOperand);
    QCOMPARE(settings.CurrentLevel, TestMode);
    QCOMPARE(settings.StartLevel, before.StartLevel);
}

void TestDifficultyDialogTest::modalResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("currentLevel");

    QTest::newRow("Ok") << "Ok" << mrOk << TestMode;
    QTest::newRow("Anuluj") << "Anuluj" << mrCancel << 7;
}

void TestDifficultyDialogTest::modalResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(int, currentLevel);

    settings = AfterAGame();
    ModalScript script;
    script.Then({}, Click(button));
    QCOMPARE(form->ShowModal(), result);
    QVERIFY(script.Finished());
    QCOMPARE(settings.CurrentLevel, currentLevel);
}

void TestDifficultyDialogTest::cancelKeepsSettingsButNotTheWidgets()
{
    settings = AfterAGame();
    const Settings before = settings;
    ShowForm();
    QTest::keyClick(form->zl, Qt::Key_Up);
    QTest::keyClick(form->zl, Qt::Key_Up);
    QTest::keyClick(form->zak, Qt::Key_Down);
    Uncheck({"Mnozenie"});
    QTest::mouseClick(form->Anuluj, Qt::LeftButton);

    QVERIFY(!form->isVisible());
    QCOMPARE(form->ModalResult(), mrCancel);
    CompareSettings(settings, before);

    ShowForm();
    QCOMPARE(form->zl->value(), 3);
    QCOMPARE(form->zak->value(), 9);
    QVERIFY(!form->Mnozenie->isChecked());
    QVERIFY(form->dodawanie->isChecked() && form->Odejmowanie->isChecked() && form->dzielenie->isChecked());
}

void TestDifficultyDialogTest::okWithoutOperatorsAsksForOne()
{
    settings = AfterAGame();
    const Settings before = settings;
    ShowForm();
    Uncheck({"dodawanie", "Odejmowanie", "Mnozenie", "dzielenie"});
    ScriptedPrompts prompts;
    prompts.Message();
    QTest::mouseClick(form->Ok, Qt::LeftButton);

    QCOMPARE(prompts.AskedTexts(), QStringList {QStringLiteral("Zaznacz co najmniej jedno działanie.")});
    QVERIFY(form->isVisible());
    QCOMPARE(form->ModalResult(), mrNone);
    CompareSettings(settings, before);
}

QTEST_MAIN(TestDifficultyDialogTest)
#include "tst_test_difficulty_dialog.moc"
