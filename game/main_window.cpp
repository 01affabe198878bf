// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>

#include <chrono>
#include <optional>

#include "board_palette.h"
#include "desktop_metrics.h"
#include "palette_tiles.h"
#include "placed.h"
#include "reader_tree.h"
#include "tile_pictures.h"
#include "window_frame.h"

namespace kwintor {

TForm1* Form1 = nullptr;

namespace {

using palette::Blue;
using palette::Green;
using palette::Red;
using palette::Silver;

Bevel* NewBevel(QWidget* board, const char* name, Bevel::Shape shape, const QRect& geometry)
{
    const auto style = shape == Bevel::Shape::Frame ? Bevel::Style::Raised : Bevel::Style::Lowered;
    return Placed(new Bevel(shape, style, board), name, geometry);
}

struct LabelLook {
    QFont font;
    QColor text = Qt::black;
    std::optional<QColor> background;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool grows = false;
};

Label* NewLabel(QWidget* board, const char* name, const QRect& geometry, const QString& caption,
                const LabelLook& look)
{
    auto* label = Placed(new Label(board), name, geometry);
    label->setFont(look.font);
    label->setAlignment(look.alignment | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.text);
    if (look.background) {
        palette.setColor(QPalette::Window, *look.background);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    label->SetCaption(caption);
    label->SetAutoSize(look.grows);
    return label;
}

PictureBox* NewPicture(QWidget* board, const char* name, const QRect& geometry)
{
    auto* box = Placed(new PictureBox(board), name, geometry);
    box->SetDraggable(true);
    return box;
}

LabelLook OperandLook(Qt::Alignment alignment)
{
    return {desktop::SerifFont(48, true), Blue, Silver, alignment, true};
}

}  // namespace

TForm1::TForm1(Settings& settings, std::unique_ptr<WavePlayback> player, PeriodicTimer::Start clock)
    : grajek(std::move(player))
    , settings_(settings)
{
    SetUpWindowFrame(*this, QStringLiteral("Kwintor"), CaptionButtons::All, {-4, -4, 648, 488},
                     BoardFontHeight);
    CreateMenu();
    // On a large screen the board stands in the middle, never cut.
    KeepClientAreaCentred();
    CreateBoard();
    NameBoard();
    Timer1 = new PeriodicTimer(std::chrono::seconds(1), this, clock);
    ConnectCommands();
    FormCreate();
    outputHold_ = std::make_unique<OutputHold>(*this, *Dwik1, *grajek);
}

TForm1::~TForm1() = default;

// Widgets are created from the bottom of the stack up: where two overlap,
// the later one is drawn on top and gets the mouse.
void TForm1::CreateBoard()
{
    QWidget* board = ClientArea();
    CreateBoxes(board);
    CreatePalette(board);
    CreateEquationRow(board);
    CreateScoreAndClock(board);
    CreateControls(board);
}

void TForm1::CreateBoxes(QWidget* board)
{
    using Shape = Bevel::Shape;
    const LabelLook boldCaption {desktop::SansSerifFont(11, true), Qt::black, {}, Qt::AlignHCenter};
    const LabelLook windowText {font(), palette().color(QPalette::WindowText), {}, Qt::AlignHCenter};
    Bevel10 = NewBevel(board, "Bevel10", Shape::TopLine, {8, 0, 625, 17});
    opis = NewLabel(board, "opis", {16, 8, 609, 13}, {}, boldCaption);
    Label2 = NewLabel(board, "Label2", {34, 32, 575, 13},
                      QStringLiteral("Uzupełnij znaki w poniższym równaniu, pamiętając o kolejności "
                                     "wykonywania działań"),
                      windowText);
    Bevel8 = NewBevel(board, "Bevel8", Shape::Box, {3, 24, 636, 161});
    Bevel7 = NewBevel(board, "Bevel7", Shape::Box, {360, 200, 105, 65});
    Bevel6 = NewBevel(board, "Bevel6", Shape::Box, {248, 200, 105, 65});
    Bevel5 = NewBevel(board, "Bevel5", Shape::Box, {8, 200, 233, 65});
}

void TForm1::CreatePalette(QWidget* board)
{
    using Shape = Bevel::Shape;
    Bevel4 = NewBevel(board, "Bevel4", Shape::Frame, {184, 208, 49, 50});
    Bevel3 = NewBevel(board, "Bevel3", Shape::Frame, {128, 208, 49, 50});
    Bevel2 = NewBevel(board, "Bevel2", Shape::Frame, {72, 208, 49, 50});
    Bevel1 = NewBevel(board, "Bevel1", Shape::Frame, {16, 208, 49, 50});
    // Drawn for the screen's pixels, so that their outlines stay even.
    const qreal ratio = devicePixelRatioF();
    Image1 = NewPicture(board, "Image1", {80, 216, 33, 33});
    Image2 = NewPicture(board, "Image2", {24, 216, 33, 33});
    Image3 = NewPicture(board, "Image3", {136, 216, 33, 33});
    Image4 = NewPicture(board, "Image4", {192, 216, 33, 33});
    const auto tiles = PaletteTiles();
    for (std::size_t i = 0; i < tiles.size(); ++i)
        tiles[i]->SetPicture(TilePicture(PaletteOperators[i], ratio));
}

// Only the first slot and the first two numbers show until a round needs more.
void TForm1::CreateEquationRow(QWidget* board)
{
    using Shape = Bevel::Shape;
    Beve1 = NewBevel(board, "Beve1", Shape::Frame, {64, 63, 49, 50});
    Image5 = NewPicture(board, "Image5", {72, 72, 33, 33});
    X1 = NewLabel(board, "X1", {8, 56, 12, 55}, {}, OperandLook(Qt::AlignHCenter));
    X2 = NewLabel(board, "X2", {120, 56, 12, 55}, {}, OperandLook(Qt::AlignHCenter));
    Wynik = NewLabel(board, "Wynik", {512, 56, 12, 55}, QStringLiteral(" "), OperandLook(Qt::AlignLeft));
    Beve2 = NewBevel(board, "Beve2", Shape::Frame, {168, 63, 49, 50});
    Image6 = NewPicture(board, "Image6", {176, 72, 33, 33});
    X3 = NewLabel(board, "X3", {224, 56, 12, 55}, {}, OperandLook(Qt::AlignHCenter));
    Beve3 = NewBevel(board, "Beve3", Shape::Frame, {280, 63, 49, 50});
    Image7 = NewPicture(board, "Image7", {288, 72, 33, 33});
    x4 = NewLabel(board, "x4", {344, 56, 29, 55}, {}, OperandLook(Qt::AlignHCenter));
    Beve4 = NewBevel(board, "Beve4", Shape::Frame, {392, 63, 49, 50});
    Image8 = NewPicture(board, "Image8", {400, 72, 33, 33});
    X5 = NewLabel(board, "X5", {456, 56, 38, 55}, {}, OperandLook(Qt::AlignHCenter));
    for (Bevel* frame : {Beve2, Beve3, Beve4})
        frame->hide();
    for (Label* operand : {X3, x4, X5})
        operand->hide();
}

void TForm1::CreateScoreAndClock(QWidget* board)
{
    e_punkty = NewLabel(board, "e_punkty", {256, 208, 85, 13}, QStringLiteral("Twoje punkty :"),
                        {desktop::SansSerifFont(11, true), Red,
                         desktop::SystemColor(desktop::ColorInactiveCaptionText), Qt::AlignLeft, true});
    Punkty = NewLabel(board, "Punkty", {256, 224, 89, 37}, QStringLiteral("0"),
                      {desktop::SansSerifFont(32, true), Red, {}, Qt::AlignHCenter});
    Label1 = NewLabel(board, "Label1", {368, 208, 89, 13}, QStringLiteral("Czas"),
                      {desktop::SansSerifFont(11, true), Green, {}, Qt::AlignHCenter});
    czas = NewLabel(board, "czas", {368, 225, 89, 37}, QStringLiteral("0"),
                    {desktop::SansSerifFont(32, true), Green, {}, Qt::AlignHCenter});
    Bevel9 = NewBevel(board, "Bevel9", Bevel::Shape::Box, {472, 200, 161, 65});
}

void TForm1::CreateControls(QWidget* board)
{
    // The text field and the buttons lie above every frame, label and picture.
    // Never shown and read by nothing: out of readers' reach before it holds any text.
    Edit1 = Placed(new QLineEdit(board), "Edit1", {512, 416, 121, 21});
    HideFromScreenReaders(*Edit1);
    Edit1->setText(QStringLiteral("Edit1"));
    Edit1->hide();
    Button1 = Placed(new QPushButton(QStringLiteral("Czyść wszystkie znaki"), board), "Button1",
                     {480, 208, 145, 25});
    Button2 = Placed(new QPushButton(QStringLiteral("Poddaję grę"), board), "Button2", {480, 232, 145, 25});
    setTabOrder(Button1, Button2);
    Komunikat = Placed(new Announcer(board), "Komunikat", {0, 0, 0, 0});
}

void TForm1::CreateMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Gra1 = MainMenu1->addMenu(QStringLiteral("&Gra"));
    Nowa1 = Gra1->addAction(QStringLiteral("&Nowa gra"));
    Nowa1->setShortcut(Qt::Key_F2);
    Nowa1->setShortcutContext(Qt::ApplicationShortcut);
    Najlepszewyniki1 = Gra1->addAction(QStringLiteral("Najlepsze wyniki z gier"));
    Nowytest1 = Gra1->addAction(QStringLiteral("Nowy test (bez najlepszych wyników)"));
    Wyjcie1 = Gra1->addAction(QStringLiteral("&Wyjście"));
    Opcje1 = MainMenu1->addMenu(QStringLiteral("Opcje"));
    Poziomtrudnoci1 = Opcje1->addAction(QStringLiteral("Poziom trudności testu"));
    Poziomtrudnocigry1 = Opcje1->addAction(QStringLiteral("Poziom startowy gry"));
    Dwik1 = Opcje1->addAction(QStringLiteral("Dźwięk"));
    Dwik1->setCheckable(true);
    Dwik1->setChecked(true);
    Pomoc1 = MainMenu1->addAction(QStringLiteral("Pomoc"));
    SetMenuBar(MainMenu1);
}

void TForm1::FormCreate()
{
    settings_.CurrentLevel = settings_.StartLevel;
    Punkty->SetCaption(QStringLiteral("0"));
    NewRound();
    AnnounceRound();
    SetCaptionGradient(*this);
}

// The board is the program: closing it ends the run, whatever else is open.
void TForm1::closeEvent(QCloseEvent* event)
{
    TGradientForm::closeEvent(event);
    QApplication::quit();
}

}  // namespace kwintor
