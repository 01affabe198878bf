// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTest>

#include "caption_layout.h"
#include "desktop_drag.h"
#include "desktop_metrics.h"
#include "frame_edges.h"

using namespace kwintor;

Q_DECLARE_METATYPE(kwintor::TBorderStyle)
Q_DECLARE_METATYPE(kwintor::EdgeRect)
Q_DECLARE_METATYPE(kwintor::CaptionButton)

namespace {

using Kind = CaptionButtonKind;
using Buttons = std::vector<CaptionButton>;

// The text rectangle of a 200-pixel bar once the fill is done.
EdgeRect TextOf(int height) { return {1, 0, 200, height}; }

}  // namespace

class CaptionLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void captionBar_data();
    void captionBar();
    void icon_data();
    void icon();
    void buttons_data();
    void buttons();
    void buttonTargets_data();
    void buttonTargets();
    void edges_data();
    void edges();
    void sizingCursor_data();
    void sizingCursor();
    void moveResizeDirection_data();
    void moveResizeDirection();
    void draggedBounds_data();
    void draggedBounds();
};

void CaptionLayoutTest::captionBar_data()
{
    QTest::addColumn<TBorderStyle>("style");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<EdgeRect>("bar");
    QTest::addColumn<QMargins>("client");  // what frame and caption take

    QTest::newRow("none") << bsNone << false << EdgeRect {} << QMargins();
    QTest::newRow("sizeable") << bsSizeable << false << EdgeRect {4, 4, 296, 22} << QMargins(4, 23, 4, 4);
    QTest::newRow("single") << bsSingle << false << EdgeRect {3, 3, 297, 21} << QMargins(3, 22, 3, 3);
    QTest::newRow("dialog") << bsDialog << false << EdgeRect {3, 3, 297, 21} << QMargins(3, 22, 3, 3);
    QTest::newRow("tool window") << bsToolWindow << false << EdgeRect {3, 3, 297, 17}
                                 << QMargins(3, 18, 3, 3);
    QTest::newRow("sizeable tool window")
        << bsSizeToolWin << false << EdgeRect {4, 4, 296, 18} << QMargins(4, 19, 4, 4);
    QTest::newRow("sizeable maximised")
        << bsSizeable << true << EdgeRect {0, 0, 300, 18} << QMargins(0, 19, 0, 0);
    QTest::newRow("dialog maximised")
        << bsDialog << true << EdgeRect {0, 0, 300, 18} << QMargins(0, 19, 0, 0);
    QTest::newRow("tool window maximised")
        << bsSizeToolWin << true << EdgeRect {0, 0, 300, 14} << QMargins(0, 15, 0, 0);
    QTest::newRow("none maximised") << bsNone << true << EdgeRect {} << QMargins();
}

void CaptionLayoutTest::captionBar()
{
    QFETCH(TBorderStyle, style);
    QFETCH(bool, maximized);
    QFETCH(EdgeRect, bar);
    QFETCH(QMargins, client);
    QCOMPARE(CaptionBarBounds(style, {300, 200}, maximized), bar);
    QCOMPARE(ClientMargins(style, maximized), client);
    QCOMPARE(FrameWidth(style, maximized), client.left());
}

void CaptionLayoutTest::icon_data()
{
    QTest::addColumn<TBorderStyle>("style");
    QTest::addColumn<uint>("icons");
    QTest::addColumn<bool>("shown");

    QTest::newRow("sizeable") << bsSizeable << uint {biSystemMenu} << true;
    QTest::newRow("single") << bsSingle << uint {biSystemMenu | biMinimize} << true;
    QTest::newRow("without system menu") << bsSizeable << uint {biMinimize | biMaximize} << false;
    QTest::newRow("dialog") << bsDialog << uint {biSystemMenu} << false;
    QTest::newRow("tool window") << bsToolWindow << uint {biSystemMenu} << false;
}

void CaptionLayoutTest::icon()
{
    QFETCH(TBorderStyle, style);
    QFETCH(uint, icons);
    QFETCH(bool, shown);
    EdgeRect text = TextOf(18);
    const std::optional<EdgeRect> place = TakeIconPlace(style, icons, text);
    QCOMPARE(place.has_value(), shown);
    if (shown) {
        QCOMPARE(place.value(), (EdgeRect {2, 1, 18, 17}));
        QCOMPARE(text.left, 18);
    } else {
        QCOMPARE(text.left, 1);
    }
}

void CaptionLayoutTest::buttons_data()
{
    QTest::addColumn<TBorderStyle>("style");
    QTest::addColumn<uint>("icons");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<int>("height");
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<int>("textRight");

    const uint all = biSystemMenu | biMinimize | biMaximize;
    // An 18-pixel bar takes 16 × 14 buttons.
    const EdgeRect close {182, 2, 198, 16};
    const EdgeRect second {164, 2, 180, 16};
    const EdgeRect third {148, 2, 164, 16};
    QTest::newRow("sizeable") << bsSizeable << all << false << 18
                              << Buttons {{Kind::Close, close},
                                          {Kind::Maximize, second},
                                          {Kind::Minimize, third}}
                              << 147;
    QTest::newRow("maximised") << bsSizeable << all << true << 18
                               << Buttons {{Kind::Close, close},
                                           {Kind::Restore, second},
                                           {Kind::Minimize, third}}
                               << 147;
    QTest::newRow("maximise only") << bsSizeable << uint {biSystemMenu | biMaximize | biHelp} << false << 18
                                   << Buttons {{Kind::Close, close},
                                               {Kind::Maximize, second},
                                               {Kind::Minimize, third, true}}
                                   << 147;
    QTest::newRow("minimise only") << bsSingle << uint {biSystemMenu | biMinimize} << false << 18
                                   << Buttons {{Kind::Close, close},
                                               {Kind::Maximize, second, true},
                                               {Kind::Minimize, third}}
                                   << 147;
    QTest::newRow("help on a sizeable window") << bsSizeable << uint {biSystemMenu | biHelp} << false << 18
                                               << Buttons {{Kind::Close, close}, {Kind::Help, second}} << 163;
    QTest::newRow("dialog with help") << bsDialog << uint {biSystemMenu | biHelp | biMinimize} << false << 18
                                      << Buttons {{Kind::Close, close}, {Kind::Help, second}} << 163;
    QTest::newRow("dialog help without system menu")
        << bsDialog << uint {biHelp} << false << 18 << Buttons {{Kind::Help, close}} << 181;
    QTest::newRow("dialog") << bsDialog << all << false << 18 << Buttons {{Kind::Close, close}} << 179;
    QTest::newRow("no icons") << bsSizeable << uint {0} << false << 18 << Buttons {} << 197;
    QTest::newRow("odd bar") << bsSizeable << uint {biSystemMenu} << false << 17
                             << Buttons {{Kind::Close, {181, 2, 198, 15}}} << 178;
    QTest::newRow("tool window") << bsToolWindow << uint {0} << false << 14
                                 << Buttons {{Kind::Close, {188, 2, 198, 12}}} << 183;
    QTest::newRow("sizeable tool window")
        << bsSizeToolWin << all << false << 14 << Buttons {{Kind::Close, {188, 2, 198, 12}}} << 183;
}

void CaptionLayoutTest::buttons()
{
    QFETCH(TBorderStyle, style);
    QFETCH(uint, icons);
    QFETCH(bool, maximized);
    QFETCH(int, height);
    QFETCH(Buttons, buttons);
    QFETCH(int, textRight);
    EdgeRect text = TextOf(height);
    QCOMPARE(TakeButtonPlaces(style, icons, maximized, text), buttons);
    QCOMPARE(text.right, textRight);
    QCOMPARE(text.left, 1);
}

// A 300-pixel maximised bar at the screen's top: close, restore, minimise.
void CaptionLayoutTest::buttonTargets_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<Buttons>("targets");

    const CaptionButton close {Kind::Close, {282, 2, 298, 16}};
    const CaptionButton restore {Kind::Restore, {264, 2, 280, 16}};
    const CaptionButton minimise {Kind::Minimize, {248, 2, 264, 16}, true};
    QTest::newRow("normal: as drawn") << false << Buttons {close, restore, minimise};
    QTest::newRow("maximised: to the top, close to the corner")
        << true
        << Buttons {{Kind::Close, {282, 0, 300, 16}},
                    {Kind::Restore, {264, 0, 280, 16}},
                    {Kind::Minimize, {248, 0, 264, 16}, true}};
}

void CaptionLayoutTest::buttonTargets()
{
    QFETCH(bool, maximized);
    QFETCH(Buttons, targets);
    const Buttons drawn {{Kind::Close, {282, 2, 298, 16}},
                         {Kind::Restore, {264, 2, 280, 16}},
                         {Kind::Minimize, {248, 2, 264, 16}, true}};
    QCOMPARE(ButtonTargets(drawn, {0, 0, 300, 18}, maximized), targets);
    QCOMPARE(ButtonTargets({}, {0, 0, 300, 18}, maximized), Buttons {});
}

void CaptionLayoutTest::edges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("margin");
    QTest::addColumn<Qt::Edges>("edges");
    QTest::addColumn<int>("hitTest");

    QTest::newRow("inside") << QPoint(50, 40) << 4 << Qt::Edges {} << int {htNowhere};
    QTest::newRow("left") << QPoint(0, 40) << 4 << Qt::Edges {Qt::LeftEdge} << int {htLeft};
    QTest::newRow("right") << QPoint(96, 40) << 4 << Qt::Edges {Qt::RightEdge} << int {htRight};
    QTest::newRow("inside the right margin") << QPoint(95, 40) << 4 << Qt::Edges {} << int {htNowhere};
    QTest::newRow("top") << QPoint(50, 3) << 4 << Qt::Edges {Qt::TopEdge} << int {htTop};
    QTest::newRow("bottom") << QPoint(50, 79) << 4 << Qt::Edges {Qt::BottomEdge} << int {htBottom};
    QTest::newRow("top left") << QPoint(2, 1) << 4 << (Qt::TopEdge | Qt::LeftEdge) << int {htTopLeft};
    QTest::newRow("top right") << QPoint(99, 0) << 4 << (Qt::TopEdge | Qt::RightEdge) << int {htTopRight};
    QTest::newRow("bottom left") << QPoint(3, 76) << 4 << (Qt::BottomEdge | Qt::LeftEdge)
                                 << int {htBottomLeft};
    QTest::newRow("bottom right") << QPoint(99, 79) << 4 << (Qt::BottomEdge | Qt::RightEdge)
                                  << int {htBottomRight};
    // Corners reach 12 pixels along the frame here.
    QTest::newRow("left beside the caption")
        << QPoint(1, 11) << 4 << (Qt::TopEdge | Qt::LeftEdge) << int {htTopLeft};
    QTest::newRow("left below the corner") << QPoint(1, 12) << 4 << Qt::Edges {Qt::LeftEdge} << int {htLeft};
    QTest::newRow("top near the right end")
        << QPoint(88, 2) << 4 << (Qt::TopEdge | Qt::RightEdge) << int {htTopRight};
    QTest::newRow("top short of the right corner")
        << QPoint(87, 2) << 4 << Qt::Edges {Qt::TopEdge} << int {htTop};
    QTest::newRow("bottom near the left end")
        << QPoint(11, 78) << 4 << (Qt::BottomEdge | Qt::LeftEdge) << int {htBottomLeft};
    QTest::newRow("right above the bottom corner")
        << QPoint(97, 68) << 4 << (Qt::BottomEdge | Qt::RightEdge) << int {htBottomRight};
    QTest::newRow("inside a corner's reach, off the frame")
        << QPoint(8, 8) << 4 << Qt::Edges {} << int {htNowhere};
    QTest::newRow("no frame: the corner pixel") << QPoint(99, 0) << 0 << Qt::Edges {} << int {htNowhere};
    QTest::newRow("no frame: the left column") << QPoint(0, 40) << 0 << Qt::Edges {} << int {htNowhere};
}

void CaptionLayoutTest::edges()
{
    QFETCH(QPoint, point);
    QFETCH(int, margin);
    QFETCH(Qt::Edges, edges);
    QFETCH(int, hitTest);
    QCOMPARE(EdgesAt(point, {100, 80}, margin, 12), edges);
    QCOMPARE(int {HitTestOf(edges)}, hitTest);
}

void CaptionLayoutTest::sizingCursor_data()
{
    QTest::addColumn<int>("hitTest");
    QTest::addColumn<int>("cursor");  // -1 when the frame sets none

    QTest::newRow("client") << 1 << -1;
    QTest::newRow("caption") << 2 << -1;
    QTest::newRow("below the frame codes") << 9 << -1;
    QTest::newRow("left") << 10 << int {Qt::SizeHorCursor};
    QTest::newRow("right") << 11 << int {Qt::SizeHorCursor};
    QTest::newRow("top") << 12 << int {Qt::SizeVerCursor};
    QTest::newRow("top left") << 13 << int {Qt::SizeFDiagCursor};
    QTest::newRow("top right") << 14 << int {Qt::SizeBDiagCursor};
    QTest::newRow("bottom") << 15 << int {Qt::SizeVerCursor};
    QTest::newRow("bottom left") << 16 << int {Qt::SizeBDiagCursor};
    QTest::newRow("bottom right") << 17 << int {Qt::SizeFDiagCursor};
    QTest::newRow("border") << 18 << -1;
}

void CaptionLayoutTest::sizingCursor()
{
    QFETCH(int, hitTest);
    QFETCH(int, cursor);
    const std::optional<Qt::CursorShape> shape = SizingCursor(hitTest);
    QCOMPARE(shape ? int {*shape} : -1, cursor);
}

void CaptionLayoutTest::moveResizeDirection_data()
{
    QTest::addColumn<Qt::Edges>("edges");
    QTest::addColumn<int>("direction");  // -1 for none

    QTest::newRow("top left") << (Qt::TopEdge | Qt::LeftEdge) << 0;
    QTest::newRow("top") << Qt::Edges {Qt::TopEdge} << 1;
    QTest::newRow("top right") << (Qt::TopEdge | Qt::RightEdge) << 2;
    QTest::newRow("right") << Qt::Edges {Qt::RightEdge} << 3;
    QTest::newRow("bottom right") << (Qt::BottomEdge | Qt::RightEdge) << 4;
    QTest::newRow("bottom") << Qt::Edges {Qt::BottomEdge} << 5;
    QTest::newRow("bottom left") << (Qt::BottomEdge | Qt::LeftEdge) << 6;
    QTest::newRow("left") << Qt::Edges {Qt::LeftEdge} << 7;
    QTest::newRow("move") << MoveEdges << 8;
    QTest::newRow("nothing") << Qt::Edges {} << -1;
    QTest::newRow("left and right") << (Qt::LeftEdge | Qt::RightEdge) << -1;
    QTest::newRow("three edges") << (Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge) << -1;
}

void CaptionLayoutTest::moveResizeDirection()
{
    QFETCH(Qt::Edges, edges);
    QFETCH(int, direction);
    QCOMPARE(MoveResizeDirection(edges).value_or(-1), direction);
}

void CaptionLayoutTest::draggedBounds_data()
{
    QTest::addColumn<Qt::Edges>("edges");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("bounds");

    const Qt::Edges all = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    QTest::newRow("move") << all << QPoint(-5, 7) << QRect(95, 107, 300, 200);
    QTest::newRow("right grows") << Qt::Edges {Qt::RightEdge} << QPoint(20, 9) << QRect(100, 100, 320, 200);
    QTest::newRow("top left shrinks")
        << (Qt::TopEdge | Qt::LeftEdge) << QPoint(10, 20) << QRect(110, 120, 290, 180);
    QTest::newRow("not below the minimum")
        << Qt::Edges {Qt::LeftEdge} << QPoint(250, 0) << QRect(280, 100, 120, 200);
    QTest::newRow("bottom not below the minimum")
        << Qt::Edges {Qt::BottomEdge} << QPoint(0, -190) << QRect(100, 100, 300, 30);
}

void CaptionLayoutTest::draggedBounds()
{
    QFETCH(Qt::Edges, edges);
    QFETCH(QPoint, delta);
    QFETCH(QRect, bounds);
    QCOMPARE(DraggedBounds(QRect(100, 100, 300, 200), edges, delta, {120, 30}), bounds);
}

QTEST_GUILESS_MAIN(CaptionLayoutTest)
#include "tst_caption_layout.moc"
