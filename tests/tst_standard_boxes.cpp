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

#include <array>
#include <stdexcept>

#include "captioned_box.h"
#include "error_display.h"
#include "message_boxes.h"
#include "modal_script.h"
#include "window_display.h"

using namespace kwintor;

namespace {

const QString applicationTitle = QStringLiteral("Kwintor – próba");

// Every box is tried in the desktop's frame and inside the game's own
// window, which it gets where the desktop draws no frames.
enum class Frame { Desktop, GameWindow };
constexpr std::array frames {std::pair {Frame::Desktop, "desktop's frame"},
                             std::pair {Frame::GameWindow, "game's window"}};

class BoxesShownIn {
public:
    explicit BoxesShownIn(Frame frame)
    {
        ShowBoxesIn(frame == Frame::GameWindow ? ShowUnderGradientCaption : nullptr);
    }
    ~BoxesShownIn() { ShowBoxesIn(nullptr); }
    BoxesShownIn(const BoxesShownIn&) = delete;
    BoxesShownIn& operator=(const BoxesShownIn&) = delete;
};

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

Q_DECLARE_METATYPE(Frame)
Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Box)

class StandardBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxResults_data();
    void messageBoxResults();
    void messageBoxLooks_data() { FrameRows(); }
    void messageBoxLooks();
    void inputBoxResults_data();
    void inputBoxResults();
    void inputBoxLooks_data() { FrameRows(); }
    void inputBoxLooks();
    void inputBoxIsCentredOnTheScreen();
    void errorDisplay_data();
    void errorDisplay();
    void boxesBelongToTheirWindow_data();
    void boxesBelongToTheirWindow();

private:
    static void FrameRows();
};

void StandardBoxesTest::FrameRows()
{
    QTest::addColumn<Frame>("frame");
    for (const auto& [frame, where] : frames)
        QTest::newRow(where) << frame;
}

void StandardBoxesTest::initTestCase() { SetApplicationTitle(applicationTitle); }

void StandardBoxesTest::messageBoxResults_data()
{
    QTest::addColumn<Frame>("frame");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");

    for (const auto& [frame, where] : frames) {
        QTest::addRow("OK button, %s", where) << frame << Answer::OkButton << int(MessageBoxOk);
        QTest::addRow("Enter, %s", where) << frame << Answer::EnterKey << int(MessageBoxOk);
        QTest::addRow("Escape, %s", where) << frame << Answer::EscapeKey << int(MessageBoxOk);
        QTest::addRow("window frame, %s", where) << frame << Answer::WindowFrame << int(MessageBoxClosed);
    }
}

void StandardBoxesTest::messageBoxResults()
{
    QFETCH(Frame, frame);
    QFETCH(Answer, answer);
    QFETCH(int, result);

    const BoxesShownIn shownIn(frame);
    bool closedByAnswer = false;
    ModalScript reply;
    reply.Then({}, [&](QWidget& box) { closedByAnswer = Give(box, answer); });
    QCOMPARE(ShowMessageBox(QStringLiteral("Koniec gry")), result);
    QVERIFY(reply.Finished());
    QVERIFY(closedByAnswer);
}

void StandardBoxesTest::messageBoxLooks()
{
    QFETCH(Frame, frame);
    const BoxesShownIn shownIn(frame);
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
    QTest::addColumn<Frame>("frame");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("result");

    const QString name = QStringLiteral("Nowak");
    const QString kept = QStringLiteral("Gracz");
    for (const auto& [frame, where] : frames) {
        QTest::addRow("OK button, %s", where) << frame << name << Answer::OkButton << name;
        QTest::addRow("Enter, %s", where) << frame << name << Answer::EnterKey << name;
        QTest::addRow("Cancel button, %s", where) << frame << name << Answer::CancelButton << kept;
        QTest::addRow("Escape, %s", where) << frame << name << Answer::EscapeKey << kept;
        QTest::addRow("window frame, %s", where) << frame << name << Answer::WindowFrame << kept;
    }
    QTest::newRow("nothing typed") << Frame::Desktop << QString() << Answer::OkButton << kept;
    QTest::newRow("cut at 255") << Frame::Desktop << QString(300, u'x') << Answer::OkButton
                                << QString(255, u'x');
}

void StandardBoxesTest::inputBoxResults()
{
    QFETCH(Frame, frame);
    QFETCH(QString, typed);
    QFETCH(Answer, answer);
    QFETCH(QString, result);

    const BoxesShownIn shownIn(frame);
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
    QFETCH(Frame, frame);
    const BoxesShownIn shownIn(frame);
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
    QTest::addColumn<Frame>("frame");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("text");

    QTest::newRow("game error") << Frame::Desktop << Fault::GameError
                                << QStringLiteral("Nie można zapisać pliku „wyniki.naj”.");
    QTest::newRow("standard exception")
        << Frame::Desktop << Fault::StandardError << QStringLiteral("Zapis się nie udał.");
    QTest::newRow("anything else") << Frame::Desktop << Fault::Other << QStringLiteral("Nieznany błąd.");
    QTest::newRow("in the game's window")
        << Frame::GameWindow << Fault::Other << QStringLiteral("Nieznany błąd.");
}

void StandardBoxesTest::errorDisplay()
{
    QFETCH(Frame, frame);
    QFETCH(Fault, fault);
    QFETCH(QString, text);

    const BoxesShownIn shownIn(frame);
    QString name;
    QString shown;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        name = modal.objectName();
        const auto* box = qobject_cast<QMessageBox*>(&modal);
        if (box == nullptr)
            box = modal.findChild<QMessageBox*>();
        if (box != nullptr) {
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
    QTest::addColumn<Frame>("frame");
    QTest::addColumn<Box>("box");
    QTest::addColumn<bool>("insideADialog");

    QTest::newRow("message box over the board") << Frame::Desktop << Box::Message << false;
    QTest::newRow("message box over a dialog") << Frame::Desktop << Box::Message << true;
    QTest::newRow("input box over the board") << Frame::Desktop << Box::Input << false;
    QTest::newRow("input box over a dialog") << Frame::Desktop << Box::Input << true;
    QTest::newRow("error display over the board") << Frame::Desktop << Box::Error << false;
    QTest::newRow("error display over a dialog") << Frame::Desktop << Box::Error << true;
    QTest::newRow("message box in the game's window") << Frame::GameWindow << Box::Message << true;
}

// A box with no window of its own to stay above is lost behind the board
// on some desktops, and one that can be minimised by itself leaves the
// game waiting for something the player cannot see.
void StandardBoxesTest::boxesBelongToTheirWindow()
{
    QFETCH(Frame, frame);
    QFETCH(Box, box);
    QFETCH(bool, insideADialog);

    const BoxesShownIn shownIn(frame);
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
    QCOMPARE(flags.testFlag(Qt::FramelessWindowHint), frame == Frame::GameWindow);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    if (box == Box::Message)
        QVERIFY(width > QFontMetrics(QGuiApplication::font()).horizontalAdvance(applicationTitle));
}

QTEST_MAIN(StandardBoxesTest)
#include "tst_standard_boxes.moc"
