// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPalette>
#include <QPoint>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <stdexcept>

#include "error_display.h"
#include "message_boxes.h"
#include "modal_script.h"
#include "window_display.h"

using namespace kwintor;

namespace {

const QString applicationTitle = QStringLiteral("Kwintor – próba");

// The ways a player gets rid of a box.
enum class Answer { OkButton, CancelButton, EnterKey, EscapeKey, WindowFrame };

// What a box showed, noted while it was up.
struct Looks {
    QString name;
    QString caption;
    QStringList texts;
    QStringList buttons;
    bool hasIcon = false;
    // Its outermost pixels differ from its face, which the board's has too.
    bool edged = false;
};

Looks LooksOf(QWidget& box)
{
    Looks looks {box.objectName(), box.windowTitle(), {}, {}, false};
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        looks.texts << label->text();
        looks.hasIcon = looks.hasIcon || !label->pixmap().isNull();
    }
    for (const QPushButton* button : box.findChildren<QPushButton*>())
        looks.buttons << button->text();
    const QImage picture = box.grab().toImage();
    const QColor face = box.palette().color(QPalette::Window);
    looks.edged = picture.pixelColor(1, 1) != face &&
        picture.pixelColor(picture.width() - 1, picture.height() - 1) != face;
    return looks;
}

void Click(QWidget& box, const QString& buttonText)
{
    for (QPushButton* button : box.findChildren<QPushButton*>()) {
        if (button->text() == buttonText)
            QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Gives `answer`; true when that alone closed the box. The box is closed
// either way, so that a box deaf to the answer fails the test, not hangs it.
bool Give(QWidget& box, Answer answer)
{
    QWidget* focus = box.focusWidget() ? box.focusWidget() : &box;
    switch (answer) {
    case Answer::OkButton: Click(box, QStringLiteral("OK")); break;
    case Answer::CancelButton: Click(box, QStringLiteral("Cancel")); break;
    case Answer::EnterKey: QTest::keyClick(focus, Qt::Key_Return); break;
    case Answer::EscapeKey: QTest::keyClick(focus, Qt::Key_Escape); break;
    case Answer::WindowFrame: box.close(); break;
    }
    const bool closed = !box.isVisible();
    box.close();
    return closed;
}

enum class Fault { GameError, StandardError, Other };

enum class Box { Message, Input, Error };

void Show(Box box)
{
    switch (box) {
    case Box::Message: ShowMessageBox(QStringLiteral("Koniec gry  !!!")); break;
    case Box::Input:
        InputBox(QStringLiteral("Ustanowiłeś rekord !!!"), QStringLiteral("Podaj swoje imie "), {});
        break;
    case Box::Error: ShowErrorDisplay(QStringLiteral("Błąd")); break;
    }
}

void Throw(Fault fault)
{
    switch (fault) {
    case Fault::GameError: throw Error("Nie można zapisać pliku „wyniki.naj”");
    case Fault::StandardError: throw std::runtime_error("Zapis się nie udał");
    case Fault::Other: throw 7;  // NOLINT(bugprone-std-exception-baseclass): the fault no handler knows
    }
}

}  // namespace

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Box)

class StandardBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxResults_data();
    void messageBoxResults();
    void messageBoxLooks();
    void inputBoxResults_data();
    void inputBoxResults();
    void inputBoxLooks();
    void inputBoxIsCentredOnTheScreen();
    void errorDisplay_data();
    void errorDisplay();
    void boxesBelongToTheirWindow_data();
    void boxesBelongToTheirWindow();
};

void StandardBoxesTest::initTestCase() { SetApplicationTitle(applicationTitle); }

void StandardBoxesTest::messageBoxResults_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");

    QTest::newRow("OK button") << Answer::OkButton << int(MessageBoxOk);
    QTest::newRow("Enter") << Answer::EnterKey << int(MessageBoxOk);
    QTest::newRow("Escape") << Answer::EscapeKey << int(MessageBoxOk);
    QTest::newRow("window frame") << Answer::WindowFrame << int(MessageBoxClosed);
}

void StandardBoxesTest::messageBoxResults()
{
    QFETCH(Answer, answer);
    QFETCH(int, result);

    bool closedByAnswer = false;
    ModalScript reply;
    reply.Then({}, [&](QWidget& box) { closedByAnswer = Give(box, answer); });
    QCOMPARE(ShowMessageBox(QStringLiteral("Koniec gry")), result);
    QVERIFY(reply.Finished());
    QVERIFY(closedByAnswer);
}

void StandardBoxesTest::messageBoxLooks()
{
    Looks looks;
    ModalScript reply;
    reply.Then({}, [&](QWidget& box) {
        looks = LooksOf(box);
        box.close();
    });
    ShowMessageBox(QStringLiteral("Brawo!\nWynik: 12"));
    QCOMPARE(looks.name, QStringLiteral("kwintorMessageBox"));
    QCOMPARE(looks.caption, applicationTitle);
    QCOMPARE(looks.buttons, QStringList {QStringLiteral("OK")});
    QVERIFY(looks.texts.contains(QStringLiteral("Brawo!\nWynik: 12")));
    QVERIFY(!looks.hasIcon);
    QVERIFY(looks.edged);
}

void StandardBoxesTest::inputBoxResults_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("result");

    const QString name = QStringLiteral("Nowak");
    QTest::newRow("OK button") << name << Answer::OkButton << name;
    QTest::newRow("Enter") << name << Answer::EnterKey << name;
    QTest::newRow("Cancel button") << name << Answer::CancelButton << QStringLiteral("Gracz");
    QTest::newRow("Escape") << name << Answer::EscapeKey << QStringLiteral("Gracz");
    QTest::newRow("window frame") << name << Answer::WindowFrame << QStringLiteral("Gracz");
    QTest::newRow("nothing typed") << QString() << Answer::OkButton << QStringLiteral("Gracz");
    QTest::newRow("cut at 255") << QString(300, u'x') << Answer::OkButton << QString(255, u'x');
}

void StandardBoxesTest::inputBoxResults()
{
    QFETCH(QString, typed);
    QFETCH(Answer, answer);
    QFETCH(QString, result);

    bool closedByAnswer = false;
    ModalScript reply;
    reply.Then({}, [&](QWidget& box) {
        if (QLineEdit* edit = box.findChild<QLineEdit*>())
            QTest::keyClicks(edit, typed);
        closedByAnswer = Give(box, answer);
    });
    QCOMPARE(
        InputBox(QStringLiteral("Najlepszy wynik"), QStringLiteral("Podaj imię:"), QStringLiteral("Gracz")),
        result);
    QVERIFY(reply.Finished());
    QVERIFY(closedByAnswer);
}

void StandardBoxesTest::inputBoxLooks()
{
    Looks looks;
    QString selected;
    bool editHasFocus = false;
    ModalScript reply;
    reply.Then({}, [&](QWidget& box) {
        looks = LooksOf(box);
        if (const QLineEdit* edit = box.findChild<QLineEdit*>()) {
            selected = edit->selectedText();
            editHasFocus = edit->hasFocus();
        }
        box.close();
    });
    InputBox(QStringLiteral("Najlepszy wynik"), QStringLiteral("Podaj imię:"), QStringLiteral("Gracz"));
    QCOMPARE(looks.name, QStringLiteral("kwintorInputBox"));
    QCOMPARE(looks.caption, QStringLiteral("Najlepszy wynik"));
    QVERIFY(looks.texts.contains(QStringLiteral("Podaj imię:")));
    QCOMPARE(looks.buttons.size(), 2);
    QVERIFY(looks.buttons.contains(QStringLiteral("OK")));
    QVERIFY(looks.buttons.contains(QStringLiteral("Cancel")));
    QVERIFY(looks.edged);
    QCOMPARE(selected, QStringLiteral("Gracz"));
    QVERIFY(editHasFocus);
}

void StandardBoxesTest::inputBoxIsCentredOnTheScreen()
{
    // An active window off the middle must not draw the box to itself.
    QWidget board;
    board.setGeometry(10, 10, 120, 90);
    board.show();
    QVERIFY(QTest::qWaitForWindowActive(&board));

    QPoint centre;
    ModalScript reply;
    reply.Then({}, [&](QWidget& box) {
        centre = box.frameGeometry().center();
        box.close();
    });
    InputBox(QStringLiteral("Najlepszy wynik"), QStringLiteral("Podaj imię:"), QStringLiteral("Gracz"));
    const QPoint offset = centre - board.screen()->availableGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 8,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

void StandardBoxesTest::errorDisplay_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("text");

    QTest::newRow("game error") << Fault::GameError
                                << QStringLiteral("Nie można zapisać pliku „wyniki.naj”.");
    QTest::newRow("standard exception") << Fault::StandardError << QStringLiteral("Zapis się nie udał.");
    QTest::newRow("anything else") << Fault::Other << QStringLiteral("Nieznany błąd.");
}

void StandardBoxesTest::errorDisplay()
{
    QFETCH(Fault, fault);
    QFETCH(QString, text);

    QString name;
    QString shown;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        name = modal.objectName();
        if (const auto* box = qobject_cast<QMessageBox*>(&modal)) {
            shown = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->buttons().size();
        }
        modal.close();
    });
    RunGuarded([&] { Throw(fault); });
    QVERIFY(!reply.Finished());
    QCoreApplication::sendPostedEvents();
    QVERIFY(reply.Finished());
    QCOMPARE(name, QStringLiteral("kwintorErrorDisplay"));
    QCOMPARE(shown, text);
    QCOMPARE(caption, applicationTitle);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, qsizetype(1));
}

void StandardBoxesTest::boxesBelongToTheirWindow_data()
{
    QTest::addColumn<Box>("box");
    QTest::addColumn<bool>("insideADialog");

    QTest::newRow("message box over the board") << Box::Message << false;
    QTest::newRow("message box over a dialog") << Box::Message << true;
    QTest::newRow("input box over the board") << Box::Input << false;
    QTest::newRow("input box over a dialog") << Box::Input << true;
    QTest::newRow("error display over the board") << Box::Error << false;
    QTest::newRow("error display over a dialog") << Box::Error << true;
}

// A box with no window of its own to stay above is lost behind the board
// on some desktops, and one that can be minimised by itself leaves the
// game waiting for something the player cannot see.
void StandardBoxesTest::boxesBelongToTheirWindow()
{
    QFETCH(Box, box);
    QFETCH(bool, insideADialog);

    QWidget board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    SetMainWindow(&board);
    QWidget dialog(&board, Qt::Dialog);

    QWidget* owner = nullptr;
    Qt::WindowFlags flags;
    int width = 0;
    const auto showAndAnswer = [&] {
        ModalScript reply;
        reply.Then({}, [&](QWidget& modal) {
            owner = modal.parentWidget();
            flags = modal.windowFlags();
            width = modal.width();
            modal.close();
        });
        Show(box);
    };
    if (insideADialog) {
        ModalScript reply;
        reply.Then({}, [&](QWidget& modal) {
            showAndAnswer();
            modal.close();
        });
        ShowModal(dialog);
    } else {
        showAndAnswer();
    }
    SetMainWindow(nullptr);

    QCOMPARE(owner, insideADialog ? &dialog : &board);
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    if (box == Box::Message)
        QVERIFY(width > QFontMetrics(QGuiApplication::font()).horizontalAdvance(applicationTitle));
}

QTEST_MAIN(StandardBoxesTest)
#include "tst_standard_boxes.moc"
