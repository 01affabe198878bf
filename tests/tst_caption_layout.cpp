// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "caption_layout.h"
#include "desktop_metrics.h"
#include "frame_edges.h"

using namespace kwintor;

Q_DECLARE_METATYPE(kwintor::TBorderStyle)
Q_DECLARE_METATYPE(kwintor::EdgeRect)

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
    void edges_data();
    void edges();
    void sizingCursor_data();
    void sizingCursor();
    void draggedBounds_data();
    void draggedBounds();
};

void CaptionLayoutTest::captionBar_data()
{
    QTest::addColumn<TBorderStyle>("style");
    QTest::addColumn<EdgeRect>("bar");

    QTest::newRow("none") << bsNone << EdgeRect {};
    QTest::newRow("sizeable") << bsSizeable << EdgeRect {4, 4, 296, 22};
    QTest::newRow("single") << bsSingle << EdgeRect {3, 3, 297, 21};
    QTest::newRow("dialog") << bsDialog << EdgeRect {3, 3, 297, 21};
    QTest::newRow("tool window") << bsToolWindow << EdgeRect {3, 3, 297, 17};
    QTest::newRow("sizeable tool window") << bsSizeToolWin << EdgeRect {4, 4, 296, 18};
}

void CaptionLayoutTest::captionBar()
{
    QFETCH(TBorderStyle, style);
    QFETCH(EdgeRect, bar);
    QCOMPARE(CaptionBarBounds(style, {300, 200}), bar);
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
        QCOMPARE(*place, (EdgeRect {2, 1, 18, 17}));
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

void CaptionLayoutTest::edges_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Qt::Edges>("edges");
    QTest::addColumn<int>("hitTest");

    QTest::newRow("inside") << QPoint(50, 40) << Qt::Edges {} << int {htNowhere};
    QTest::newRow("left") << QPoint(0, 40) << Qt::Edges {Qt::LeftEdge} << int {htLeft};
    QTest::newRow("right") << QPoint(96, 40) << Qt::Edges {Qt::RightEdge} << int {htRight};
    QTest::newRow("inside the right margin") << QPoint(95, 40) << Qt::Edges {} << int {htNowhere};
    QTest::newRow("top") << QPoint(50, 3) << Qt::Edges {Qt::TopEdge} << int {htTop};
    QTest::newRow("bottom") << QPoint(50, 79) << Qt::Edges {Qt::BottomEdge} << int {htBottom};
    QTest::newRow("top left") << QPoint(2, 1) << (Qt::TopEdge | Qt::LeftEdge) << int {htTopLeft};
    QTest::newRow("top right") << QPoint(99, 0) << (Qt::TopEdge | Qt::RightEdge) << int {htTopRight};
    QTest::newRow("bottom left") << QPoint(3, 76) << (Qt::BottomEdge | Qt::LeftEdge) << int {htBottomLeft};
    QTest::newRow("bottom right") << QPoint(99, 79) << (Qt::BottomEdge | Qt::RightEdge)
                                  << int {htBottomRight};
}

void CaptionLayoutTest::edges()
{
    QFETCH(QPoint, point);
    QFETCH(Qt::Edges, edges);
    QFETCH(int, hitTest);
    QCOMPARE(EdgesAt(point, {100, 80}, 4), edges);
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
