// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLatin1Char>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "about_window.h"
#include "caption_colours.h"
#include "desktop_metrics.h"
#include "dialog_fixture.h"
#include "waits.h"

using namespace kwintor;

namespace {

enum class Closing { OkButton, CloseBox };

}  // namespace

Q_DECLARE_METATYPE(Closing)

class AboutWindowTest : public DialogFixture<TForm4> {
    Q_OBJECT

private slots:
    void init() { MakeDialog(); }
    void cleanup() { form.reset(); }
    void captionAndFrame();
    void geometry_data();
    void geometry();
    void text();
    void tabOrder();
    void closingHides_data();
    void closingHides();
    void showingAgainBringsItToTheFront();
    void typedTextStays();

private:
    void ShowAbout();
};

void AboutWindowTest::ShowAbout()
{
    form->ShowAbout();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void AboutWindowTest::captionAndFrame()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("O programie"));
    QCOMPARE(form->windowType(), Qt::Window);
    QVERIFY(!form->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QCOMPARE(form->font().pixelSize(), 14);
    QCOMPARE(form->geometry(), QRect(200, 108, 434, 353));
    CheckCaptionColours(*form);
}

void AboutWindowTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("bounds");

    QTest::newRow("Memo1") << "Memo1" << QRect(0, 10, 425, 267);
    QTest::newRow("Button1") << "Button1" << QRect(177, 286, 93, 30);
}

void AboutWindowTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, bounds);

    auto* widget = form->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), form->ClientArea());
    QCOMPARE(widget->geometry(), bounds);
}

void AboutWindowTest::text()
{
    const QStringList lines = form->Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 14);
    QVERIFY(lines[0].startsWith(QStringLiteral("Autor:")));
    QVERIFY(lines[2].isEmpty());
    QCOMPARE(lines[7], QStringLiteral("Adres autora:"));
    QVERIFY(lines[11].isEmpty());
    QCOMPARE(lines[13], QStringLiteral("kwintor@example.org"));
    QVERIFY(!form->Memo1->isReadOnly());
    QCOMPARE(form->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(form->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(form->Button1->text(), QStringLiteral("Ok"));
}

void AboutWindowTest::tabOrder()
{
    ShowAbout();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->Memo1->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form->Button1->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form->Memo1->hasFocus());
}

void AboutWindowTest::closingHides_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("Ok") << Closing::OkButton;
    QTest::newRow("close box") << Closing::CloseBox;
}

void AboutWindowTest::closingHides()
{
    QFETCH(Closing, closing);

    const QPointer<TForm4> alive(form.get());
    ShowAbout();
    if (closing == Closing::OkButton)
        QTest::mouseClick(form->Button1, Qt::LeftButton);
    else
        QVERIFY(form->close());
    QVERIFY(!form->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive);
    ShowAbout();
    QVERIFY(form->isVisible());
}

void AboutWindowTest::showingAgainBringsItToTheFront()
{
    ShowAbout();
    WAIT_VERIFY(form->isActiveWindow());
    QWidget other;
    other.setGeometry(50, 50, 200, 100);
    other.show();
    other.activateWindow();
    WAIT_COMPARE(QApplication::activeWindow(), &other);
    QVERIFY(!form->isActiveWindow());

    form->ShowAbout();
    QVERIFY(form->isVisible());
    WAIT_COMPARE(QApplication::activeWindow(), form.get());
    QVERIFY(form->isActiveWindow());
}

void AboutWindowTest::typedTextStays()
{
    ShowAbout();
    const QString original = form->Memo1->toPlainText();
    QTest::keyClick(form->Memo1, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(form->Memo1, QStringLiteral(" - dopisane przez gracza"));
    QCOMPARE(form->Memo1->toPlainText(), original + QStringLiteral(" - dopisane przez gracza"));
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    ShowAbout();
    QCOMPARE(form->Memo1->toPlainText(), original + QStringLiteral(" - dopisane przez gracza"));
}

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
