// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

#include "about_window.h"
#include "captioned_box.h"
#include "desktop_metrics.h"
#include "main_window.h"
#include "message_boxes.h"
#include "najlepsi.h"
#include "platform_choice.h"
#include "screen_zoom.h"
#include "start_level_dialog.h"
#include "test_difficulty_dialog.h"
#include "tile_pictures.h"
#include "window_background.h"
#include "window_display.h"

namespace kwintor {

void SetUpApplication(QApplication& application)
{
    SetApplicationTitle(QStringLiteral("Kwintor-matematyczny test"));
    application.setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    application.setPalette(desktop::ClassicPalette());
    application.setFont(desktop::SansSerifFont(11));
    // The plus tile is the game's icon in every caption.
    application.setWindowIcon(QIcon(QPixmap::fromImage(TilePicture(OperatorCode::Plus))));
    KeepModalWindowInFront();
}

// The main window's creation starts the first game, before the others exist.
// The others are its children, so that the desktop keeps them above it; the
// members go in reverse order, children before their parent.
KwintorWindows::KwintorWindows(std::unique_ptr<WavePlayback> player, PeriodicTimer::Start clock)
{
    main_ = std::make_unique<TForm1>(settings_, std::move(player), clock);
    Form1 = main_.get();
    SetMainWindow(Form1);
    testDifficulty_ = std::make_unique<TForm2>(settings_, Form1);
    Form2 = testDifficulty_.get();
    startLevel_ = std::make_unique<TForm3>(settings_, Form1);
    Form3 = startLevel_.get();
    about_ = std::make_unique<TForm4>(Form1);
    Form4 = about_.get();
    bestScores_ = std::make_unique<Tnaj2>(Form1);
    naj2 = bestScores_.get();
}

KwintorWindows::~KwintorWindows()
{
    SetMainWindow(nullptr);
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    naj2 = nullptr;
}

// The engine has seeded its random source before this runs, as the modules
// are initialised.
int RunKwintor(int argc, char* argv[])
{
    const SessionFacts session = ReadSession();
    ChoosePlatformBeforeApplication(session);
    ZoomToScreen(session);
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (QtDrawsFrames(session))
        ShowBoxesIn(ShowUnderGradientCaption);
    KwintorWindows windows;
    Form1->showMaximized();
    desktop::FillUnpaintedEdge(*Form1, Form1->palette().color(QPalette::Window));
    return application.exec();
}

}  // namespace kwintor
