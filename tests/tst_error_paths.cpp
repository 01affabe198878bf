// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTest>

#include <stdexcept>
#include <utility>

#include "error_display.h"
#include "gradient_form.h"
#include "picture_box.h"
#include "scripted_prompts.h"

using namespace kwintor;

namespace {

// Where a handler's exception is caught for the player.
enum class EntryPoint { SignalHandler, FrameEvent, Drop };

enum class Fault { StandardError, Other };

[[noreturn]] void Throw(Fault fault)
{
    if (fault == Fault::StandardError)
        throw std::runtime_error("Zapis się nie udał");
    throw 7;  // NOLINT(bugprone-std-exception-baseclass): the fault no handler knows
}

// A window with a throwing button, a key handler reached only through the
// frame's event() and a box whose drop handler throws.
class ThrowingForm : public TGradientForm {
public:
    explicit ThrowingForm(Fault fault)
        : button(new QPushButton(QStringLiteral("Zapisz"), ClientArea()))
        , box(new PictureBox(ClientArea()))
        , fault_(fault)
    {
        setGeometry(40, 40, 300, 200);
        connect(button, &QPushButton::clicked, this, Guarded([fault] { Throw(fault); }));
        box->setGeometry(10, 50, 40, 40);
        box->SetDraggable(true);
        box->SetAcceptTest([](PictureBox&) { return true; });
        box->SetDropHandler([fault](PictureBox&, PictureBox&) { Throw(fault); });
    }

    QPushButton* button;
    PictureBox* box;

protected:
    void keyPressEvent(QKeyEvent* /*event*/) override { Throw(fault_); }

private:
    Fault fault_;
};

}  // namespace

Q_DECLARE_METATYPE(EntryPoint)
Q_DECLARE_METATYPE(Fault)

class ErrorPathsTest : public QObject {
    Q_OBJECT

private slots:
    void shownOnceAfterTheEvent_data();
    void shownOnceAfterTheEvent();
};

void ErrorPathsTest::shownOnceAfterTheEvent_data()
{
    QTest::addColumn<EntryPoint>("entry");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("shown");

    const std::pair<EntryPoint, const char*> entries[] {
        {EntryPoint::SignalHandler, "signal handler"},
        {EntryPoint::FrameEvent, "frame's event"},
        {EntryPoint::Drop, "drop"},
    };
    for (const auto& [entry, name] : entries) {
        QTest::newRow(QByteArray(name) + ", standard exception")
            << entry << Fault::StandardError << QStringLiteral("Zapis się nie udał");
        QTest::newRow(QByteArray(name) + ", anything else")
            << entry << Fault::Other << QStringLiteral("Nieznany błąd");
    }
}

// Whichever handler throws, the error display comes once, with the same
// text, and only after the event that threw is over.
void ErrorPathsTest::shownOnceAfterTheEvent()
{
    QFETCH(EntryPoint, entry);
    QFETCH(Fault, fault);
    QFETCH(QString, shown);

    ThrowingForm form(fault);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ScriptedPrompts prompts;
    prompts.Error();
    switch (entry) {
    case EntryPoint::SignalHandler: QTest::mouseClick(form.button, Qt::LeftButton); break;
    case EntryPoint::FrameEvent: QTest::keyClick(&form, Qt::Key_A); break;
    // Pressed and released in place, the box is dropped onto itself.
    case EntryPoint::Drop: QTest::mouseClick(form.box, Qt::LeftButton, {}, {5, 5}); break;
    }
    QCOMPARE(prompts.Asked().size(), 0);

    QCoreApplication::sendPostedEvents();
    QCOMPARE(prompts.AskedTexts(), QStringList {shown});
}

QTEST_MAIN(ErrorPathsTest)
#include "tst_error_paths.moc"
