// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QList>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QSpinBox>
#include <QString>
#include <QTest>
#include <QWidget>

#include "caption_colours.h"
#include "desktop_metrics.h"
#include "dialog_fixture.h"
#include "modal_script.h"
#include "start_level_dialog.h"
#include "waits.h"

using namespace kwintor;

class StartLevelDialogTest : public DialogFixture<TForm3> {
    Q_OBJECT

private slots:
    void init() { MakeDialog(); }
    void cleanup() { form.reset(); }
    void captionAndFrame();
    void geometry_data();
    void geometry();
    void groupFillsTheClientArea();
    void tabOrder();
    void steps_data();
    void steps();
    void typingChangesNothing();
    void buttons_data();
    void buttons();
    void valueStaysForTheNextShowing_data();
    void valueStaysForTheNextShowing();
};

void StartLevelDialogTest::captionAndFrame()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Opcje "));
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint) && !flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(form->font().pixelSize(), 14);
    QCOMPARE(form->geometry(), QRect(227, 115, 236, 150));
    QCOMPARE(form->minimumSize(), QSize(236, 150));
    CheckCaptionColours(*form);
}

void StartLevelDialogTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("bounds");

    QTest::newRow("Label1") << "Label1" << QRect(10, 30, 184, 19);
    QTest::newRow("SpinEdit1") << "SpinEdit1" << QRect(167, 30, 51, 26);
    QTest::newRow("Button1") << "Button1" << QRect(10, 69, 92, 31);
    QTest::newRow("Button2") << "Button2" << QRect(128, 69, 92, 31);
}

void StartLevelDialogTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, bounds);

    ShowForm();
    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), form->wybor);
    QCOMPARE(widget->geometry(), bounds);
}

void StartLevelDialogTest::groupFillsTheClientArea()
{
    QCOMPARE(form->wybor->title(), QStringLiteral("Wybór poziomu :"));
    QCOMPARE(form->Label1->text(), QStringLiteral("Zaczynaj grę od poziomu"));
    QCOMPARE(form->Button1->text(), QStringLiteral("Ok"));
    QCOMPARE(form->Button2->text(), QStringLiteral("Anuluj"));
    ShowForm();
    WAIT_COMPARE(form->wybor->geometry(), form->ClientArea()->rect());
    form->resize(form->width() + 40, form->height() + 30);
    WAIT_COMPARE(form->wybor->geometry(), form->ClientArea()->rect());
    QCOMPARE(form->wybor->width(), 228 + 40);
}

void StartLevelDialogTest::tabOrder()
{
    ShowForm();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->SpinEdit1->setFocus();
    QVERIFY(form->SpinEdit1->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form->Button1->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form->Button2->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form->SpinEdit1->hasFocus());
}

void StartLevelDialogTest::steps_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("up from 1") << 1 << Qt::Key_Up << QList<int> {11, 21, 30, 30};
    QTest::newRow("down from 30") << 30 << Qt::Key_Down << QList<int> {20, 10, 1, 1};
    QTest::newRow("down from 11") << 11 << Qt::Key_Down << QList<int> {1, 1};
    QTest::newRow("up from 21") << 21 << Qt::Key_Up << QList<int> {30};
}

void StartLevelDialogTest::steps()
{
    QFETCH(int, start);
    QFETCH(Qt::Key, key);
    QFETCH(QList<int>, values);

    QCOMPARE(form->SpinEdit1->value(), 1);
    form->SpinEdit1->setValue(start);
    ShowForm();
    QList<int> seen;
    for (qsizetype press = 0; press < values.size(); ++press) {
        QTest::keyClick(form->SpinEdit1, key);
        seen << form->SpinEdit1->value();
    }
    QCOMPARE(seen, values);
}

void StartLevelDialogTest::typingChangesNothing()
{
    ShowForm();
    QTest::keyClick(form->SpinEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->SpinEdit1, QStringLiteral("25"));
    QCOMPARE(form->SpinEdit1->value(), 1);
    QCOMPARE(form->SpinEdit1->text(), QStringLiteral("1"));
}

void StartLevelDialogTest::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("startLevel");

    QTest::newRow("Ok stores") << "Button1" << mrOk << 21;
    QTest::newRow("Anuluj does not") << "Button2" << mrCancel << 1;
}

void StartLevelDialogTest::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(int, startLevel);

    settings.CurrentLevel = 5;
    ModalScript answer;
    answer.Then({}, [&](QWidget& modal) {
        auto* spin = modal.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
        QTest::keyClick(spin, Qt::Key_Up);
        QTest::keyClick(spin, Qt::Key_Up);
        QTest::mouseClick(modal.findChild<QPushButton*>(button), Qt::LeftButton);
    });
    QCOMPARE(form->ShowModal(), result);
    QVERIFY(answer.Finished());
    QCOMPARE(settings.StartLevel, startLevel);
    QCOMPARE(settings.CurrentLevel, 5);
}

void StartLevelDialogTest::valueStaysForTheNextShowing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("after Ok") << "Button1";
    QTest::newRow("after Anuluj") << "Button2";
}

void StartLevelDialogTest::valueStaysForTheNextShowing()
{
    QFETCH(QString, button);

    ShowForm();
    QTest::keyClick(form->SpinEdit1, Qt::Key_Up);
    QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    ShowForm();
    QCOMPARE(form->SpinEdit1->value(), 11);
}

QTEST_MAIN(StartLevelDialogTest)
#include "tst_start_level_dialog.moc"
