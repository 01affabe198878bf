// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <optional>

#include "error_display.h"
#include "message_boxes.h"
#include "modal_script.h"
#include "picture_box.h"
#include "scripted_prompts.h"
#include "window_display.h"

using namespace kwintor;

namespace {

const QColor pictureColour(200, 30, 30);

QImage Picture(QSize size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(pictureColour);
    return picture;
}

// A shown window of picture boxes that notes every drop as "target<source".
class Board {
public:
    Board();

    QWidget window;
    QStringList drops;

    PictureBox& Box(const QString& name) { return Find<PictureBox>(name); }
    QWidget& Widget(const QString& name) { return Find<QWidget>(name); }
    PictureBox& AddBox(QWidget& parent, const QString& name, QRect geometry);

private:
    template <typename Found> Found& Find(const QString& name)
    {
        auto* found = window.findChild<Found*>(name);
        if (!found)
            qFatal("The board has no %s", qPrintable(name));
        return *found;
    }
};

Board::Board()
{
    window.setGeometry(20, 20, 400, 300);
    AddBox(window, QStringLiteral("a"), {10, 10, 40, 40});
    AddBox(window, QStringLiteral("b"), {60, 10, 40, 40});
    AddBox(window, QStringLiteral("refusing"), {110, 10, 40, 40}).SetAcceptTest([](PictureBox&) {
        return false;
    });
    AddBox(window, QStringLiteral("untested"), {160, 10, 40, 40}).SetAcceptTest(nullptr);
    AddBox(window, QStringLiteral("disabled"), {210, 10, 40, 40}).setEnabled(false);
    AddBox(window, QStringLiteral("fixed"), {260, 10, 40, 40}).SetDraggable(false);
    AddBox(window, QStringLiteral("under"), {200, 100, 60, 60});
    AddBox(window, QStringLiteral("over"), {230, 130, 60, 60});
    auto* label = new QLabel(QStringLiteral("Wynik"), &window);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(10, 100, 60, 20);
    auto* plain = new QWidget(&window);
    plain->setObjectName(QStringLiteral("plain"));
    plain->setGeometry(100, 100, 40, 40);
    window.show();
}

PictureBox& Board::AddBox(QWidget& parent, const QString& name, QRect geometry)
{
    auto* box = new PictureBox(&parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->SetPicture(Picture(geometry.size()));
    box->SetDraggable(true);
    box->SetAcceptTest([](PictureBox&) { return true; });
    box->SetDropHandler([this](PictureBox& target, PictureBox& source) {
        drops << target.objectName() + u'<' + source.objectName();
    });
    box->show();
    return *box;
}

// Mouse events go where Qt's implicit grab sends them: to the pressed widget.
void Press(PictureBox& source, QPoint at, Qt::MouseButton button = Qt::LeftButton, bool doubleClick = false)
{
    if (doubleClick)
        QTest::mouseDClick(&source, button, {}, at);
    else
        QTest::mousePress(&source, button, {}, at);
}

void MoveTo(PictureBox& source, QPoint global) { QTest::mouseMove(&source, source.mapFromGlobal(global)); }

void ReleaseAt(PictureBox& source, QPoint global, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(&source, button, {}, source.mapFromGlobal(global));
}

QWidget* DragPicture(QWidget& window)
{
    return window.findChild<QWidget*>(QStringLiteral("kwintorDragPicture"));
}

// Notes whether a widget got a mouse move.
class HoverWatch : public QObject {
public:
    explicit HoverWatch(QWidget& widget) { widget.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        moved = moved || event->type() == QEvent::MouseMove;
        return false;
    }

    bool moved = false;
};

// `over` names the widget where the button comes up, in whose coordinates
// `at` is; none means the window.
void AddDropRow(const char* name, const char* source, const char* over, QPoint at, const QStringList& drops,
                Qt::MouseButton button = Qt::LeftButton, bool doubleClick = false)
{
    QTest::newRow(name) << QString(source) << QString(over) << at << button << doubleClick << drops;
}

std::optional<Qt::CursorShape> OverrideCursor()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? std::optional(cursor->shape()) : std::nullopt;
}

}  // namespace

class DragAndDropTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drops_data();
    void drops();
    void cursorShowsWhetherTheDropIsTaken_data();
    void cursorShowsWhetherTheDropIsTaken();
    void dragPictureFollowsTheCursor();
    void throwingDropHandlerIsShownAndTheGameGoesOn();
    void modalBoxEndsTheDrag();
    void escapeEndsTheDrag();
    void pressAfterALostReleaseStartsAfresh();
    void dropIntoAnotherWindow();
    void blockedWindowTakesNoDrop();
    void dragThroughTheWindowSystem();
    void picturePaintsUnscaledAtTopLeft();

private:
    QPoint Global(const QString& widget, QPoint at) { return board_->Widget(widget).mapToGlobal(at); }

    std::unique_ptr<Board> board_;
};

void DragAndDropTest::init()
{
    board_ = std::make_unique<Board>();
    QVERIFY(QTest::qWaitForWindowExposed(&board_->window));
}

void DragAndDropTest::cleanup()
{
    // A failed case may have left its drag running.
    if (QGuiApplication::overrideCursor())
        QTest::mouseRelease(&board_->window, Qt::LeftButton);
    board_.reset();
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void DragAndDropTest::drops_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("over");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QStringList>("drops");

    const QPoint middle(20, 20);
    AddDropRow("press and release", "a", "a", middle, {"a<a"});
    AddDropRow("moved within itself", "a", "a", QPoint(3, 5), {"a<a"});
    AddDropRow("onto another box", "a", "b", middle, {"b<a"});
    AddDropRow("onto a refusing box", "a", "refusing", middle, {});
    AddDropRow("onto a box without test", "a", "untested", middle, {});
    AddDropRow("onto a disabled box", "a", "disabled", middle, {});
    AddDropRow("onto a label", "a", "label", QPoint(5, 5), {});
    AddDropRow("onto a plain widget", "a", "plain", middle, {});
    AddDropRow("onto the window", "a", "", QPoint(150, 250), {});
    AddDropRow("outside the window", "a", "", QPoint(600, 500), {});
    AddDropRow("onto the upper of two", "a", "under", QPoint(40, 40), {"over<a"});
    AddDropRow("onto the lower one's free part", "a", "under", QPoint(10, 10), {"under<a"});
    AddDropRow("refusing itself", "refusing", "refusing", middle, {});
    AddDropRow("refusing box onto another", "refusing", "b", middle, {"b<refusing"});
    AddDropRow("not draggable", "fixed", "b", middle, {});
    AddDropRow("right button", "a", "b", middle, {}, Qt::RightButton);
    AddDropRow("double click", "a", "b", middle, {"b<a"}, Qt::LeftButton, true);
    AddDropRow("double click in place", "a", "a", middle, {"a<a"}, Qt::LeftButton, true);
}

void DragAndDropTest::drops()
{
    QFETCH(QString, source);
    QFETCH(QString, over);
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, doubleClick);
    QFETCH(QStringList, drops);

    PictureBox& from = board_->Box(source);
    const QPoint pressedAt(20, 20);
    const QPoint to = over.isEmpty() ? board_->window.mapToGlobal(at) : Global(over, at);
    Press(from, pressedAt, button, doubleClick);
    if (to != from.mapToGlobal(pressedAt))
        MoveTo(from, to);
    ReleaseAt(from, to, button);
    QCOMPARE(board_->drops, drops);
    QCOMPARE(DragPicture(board_->window), nullptr);
}

void DragAndDropTest::cursorShowsWhetherTheDropIsTaken_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<Qt::CursorShape>("shape");

    QTest::newRow("itself") << QStringLiteral("a") << Qt::DragMoveCursor;
    QTest::newRow("another box") << QStringLiteral("b") << Qt::DragMoveCursor;
    QTest::newRow("refusing box") << QStringLiteral("refusing") << Qt::ForbiddenCursor;
    QTest::newRow("label") << QStringLiteral("label") << Qt::ForbiddenCursor;
}

void DragAndDropTest::cursorShowsWhetherTheDropIsTaken()
{
    QFETCH(QString, over);
    QFETCH(Qt::CursorShape, shape);

    PictureBox& a = board_->Box(QStringLiteral("a"));
    Press(a, {5, 5});
    QCOMPARE(OverrideCursor(), std::optional(Qt::DragMoveCursor));
    MoveTo(a, Global(over, {5, 5}));
    QCOMPARE(OverrideCursor(), std::optional(shape));
    ReleaseAt(a, board_->window.mapToGlobal(QPoint(600, 500)));
    QCOMPARE(OverrideCursor(), std::nullopt);
}

void DragAndDropTest::dragPictureFollowsTheCursor()
{
    PictureBox& a = board_->Box(QStringLiteral("a"));
    const QPoint grabbedAt(5, 7);
    Press(a, grabbedAt);
    QWidget* picture = DragPicture(board_->window);
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->geometry(), a.geometry());
    QCOMPARE(picture->grab().toImage().pixelColor(1, 1), pictureColour);

    const QPoint cursor = Global(QStringLiteral("under"), {30, 10});
    MoveTo(a, cursor);
    QCOMPARE(picture->pos(), board_->window.mapFromGlobal(cursor) - grabbedAt);
    ReleaseAt(a, cursor);
    QCOMPARE(DragPicture(board_->window), nullptr);
    QCOMPARE(board_->drops, QStringList {"under<a"});
}

void DragAndDropTest::throwingDropHandlerIsShownAndTheGameGoesOn()
{
    board_->Box(QStringLiteral("b")).SetDropHandler([](PictureBox&, PictureBox&) {
        throw Error("Nie można odtworzyć dźwięku");
    });
    bool dragOverWhileShown = false;
    ScriptedPrompts prompts;
    prompts.Error(
        [&] { dragOverWhileShown = !DragPicture(board_->window) && !QGuiApplication::overrideCursor(); });
    PictureBox& a = board_->Box(QStringLiteral("a"));
    Press(a, {5, 5});
    MoveTo(a, Global(QStringLiteral("b"), {5, 5}));
    ReleaseAt(a, Global(QStringLiteral("b"), {5, 5}));
    // The error display comes once the event that failed is over.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(prompts.AskedTexts(), QStringList {QStringLiteral("Nie można odtworzyć dźwięku")});
    QVERIFY(dragOverWhileShown);

    Press(a, {5, 5});
    ReleaseAt(a, Global(QStringLiteral("a"), {5, 5}));
    QCOMPARE(board_->drops, QStringList {"a<a"});
}

void DragAndDropTest::modalBoxEndsTheDrag()
{
    PictureBox& a = board_->Box(QStringLiteral("a"));
    Press(a, {5, 5});
    MoveTo(a, Global(QStringLiteral("b"), {5, 5}));
    bool dragOverWhileShown = false;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        dragOverWhileShown = !DragPicture(board_->window) && !QGuiApplication::overrideCursor();
        modal.close();
    });
    ShowMessageBox(QStringLiteral("Koniec czasu"));
    QVERIFY(reply.Finished());
    QVERIFY(dragOverWhileShown);
    ReleaseAt(a, Global(QStringLiteral("b"), {5, 5}));
    QCOMPARE(board_->drops, QStringList {});
}

void DragAndDropTest::escapeEndsTheDrag()
{
    PictureBox& a = board_->Box(QStringLiteral("a"));
    Press(a, {5, 5});
    MoveTo(a, Global(QStringLiteral("b"), {5, 5}));
    QTest::keyClick(&board_->window, Qt::Key_Escape);
    QCOMPARE(DragPicture(board_->window), nullptr);
    ReleaseAt(a, Global(QStringLiteral("b"), {5, 5}));
    QCOMPARE(board_->drops, QStringList {});
}

void DragAndDropTest::pressAfterALostReleaseStartsAfresh()
{
    Press(board_->Box(QStringLiteral("a")), {5, 5});
    PictureBox& b = board_->Box(QStringLiteral("b"));
    Press(b, {5, 5});
    ReleaseAt(b, Global(QStringLiteral("under"), {5, 5}));
    QCOMPARE(board_->drops, QStringList {"under<b"});
    QCOMPARE(DragPicture(board_->window), nullptr);
}

void DragAndDropTest::dropIntoAnotherWindow()
{
    QWidget palette;
    palette.setGeometry(450, 20, 200, 200);
    const PictureBox& m = board_->AddBox(palette, QStringLiteral("m"), {10, 10, 40, 40});
    palette.show();
    QVERIFY(QTest::qWaitForWindowExposed(&palette));

    PictureBox& a = board_->Box(QStringLiteral("a"));
    Press(a, {5, 5});
    MoveTo(a, m.mapToGlobal(QPoint(5, 5)));
    ReleaseAt(a, m.mapToGlobal(QPoint(5, 5)));
    QCOMPARE(board_->drops, QStringList {"m<a"});
}

void DragAndDropTest::blockedWindowTakesNoDrop()
{
    QWidget dialog;
    dialog.setGeometry(450, 20, 200, 200);
    PictureBox& m = board_->AddBox(dialog, QStringLiteral("m"), {10, 10, 40, 40});
    QStringList dropsMeanwhile;
    ModalScript reply;
    reply.Then({}, [&](QWidget& modal) {
        Press(m, {5, 5});
        ReleaseAt(m, Global(QStringLiteral("b"), {5, 5}));
        Press(m, {5, 5});
        ReleaseAt(m, m.mapToGlobal(QPoint(5, 5)));
        dropsMeanwhile = board_->drops;
        modal.close();
    });
    ShowModal(dialog);
    QVERIFY(reply.Finished());
    QCOMPARE(dropsMeanwhile, QStringList {"m<m"});
}

// Events from the platform reach the window before the widget; a drag that
// took them there would leave Qt's implicit grab on the source for good.
void DragAndDropTest::dragThroughTheWindowSystem()
{
    QWindow* window = board_->window.windowHandle();
    const auto inWindow = [&](const QString& name) {
        return board_->Widget(name).mapTo(&board_->window, QPoint(5, 5));
    };
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(QStringLiteral("a")));
    QTest::mouseMove(window, inWindow(QStringLiteral("b")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(QStringLiteral("b")));
    QCOMPARE(board_->drops, QStringList {"b<a"});

    QWidget& plain = board_->Widget(QStringLiteral("plain"));
    plain.setMouseTracking(true);
    HoverWatch watch(plain);
    QTest::mouseMove(window, inWindow(QStringLiteral("plain")));
    QVERIFY(watch.moved);
}

void DragAndDropTest::picturePaintsUnscaledAtTopLeft()
{
    QWidget backdrop;
    backdrop.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::blue);
    backdrop.setPalette(palette);
    backdrop.resize(100, 50);
    auto* drawn = new PictureBox(&backdrop);
    drawn->setGeometry(0, 0, 40, 40);
    drawn->SetPicture(Picture({10, 8}));
    auto* empty = new PictureBox(&backdrop);
    empty->setGeometry(50, 0, 40, 40);

    const QImage shot = backdrop.grab().toImage();
    QCOMPARE(shot.pixelColor(0, 0), pictureColour);
    QCOMPARE(shot.pixelColor(9, 7), pictureColour);
    QCOMPARE(shot.pixelColor(10, 7), QColor(Qt::blue));
    QCOMPARE(shot.pixelColor(9, 8), QColor(Qt::blue));
    QCOMPARE(shot.pixelColor(60, 10), QColor(Qt::blue));
}

QTEST_MAIN(DragAndDropTest)
#include "tst_drag_and_drop.moc"
