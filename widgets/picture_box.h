// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>

namespace kwintor {

// A picture that can be dragged and dropped on within the application.
// A drag starts at the press of the left button (a double click too),
// before the mouse moves; releasing it over a picture box whose accept test
// says yes calls that box's drop handler, anywhere else nothing happens. A
// press and release without moving thus drops the box onto itself. Moves
// and the release belong to the drag, not to the box; a double click reaches
// mousePressEvent through QWidget. A box that takes the keyboard focus shows
// it as the dotted focus rectangle of the classic desktop.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    using AcceptTest = std::function<bool(PictureBox& source)>;
    using DropHandler = std::function<void(PictureBox& target, PictureBox& source)>;
    // Returns whether it took the key; one it leaves goes on to the parent.
    using KeyHandler = std::function<bool(PictureBox& box, const QKeyEvent& key)>;

    explicit PictureBox(QWidget* parent = nullptr);

    // The picture is drawn at the top left at its size in logical pixels, so a
    // picture made for the screen's device pixel ratio is drawn unscaled; an
    // empty image means none.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    bool HasPicture() const { return !picture_.isNull(); }

    void SetDraggable(bool draggable) { draggable_ = draggable; }
    bool IsDraggable() const { return draggable_; }

    // Without an accept test the box refuses every drop.
    void SetAcceptTest(AcceptTest test) { acceptTest_ = std::move(test); }
    void SetDropHandler(DropHandler handler) { dropHandler_ = std::move(handler); }
    void SetKeyHandler(KeyHandler handler) { keyHandler_ = std::move(handler); }

    // The name a screen reader reads. Unlike the accessible name it goes
    // out with no name-change event: Qt 6.4 sends the object in place of the
    // new name, and Orca 43 then fails on it and says nothing.
    void SetSpokenName(const QString& name) { spokenName_ = name; }
    const QString& SpokenName() const { return spokenName_; }

    bool Accepts(PictureBox& source) const { return acceptTest_ && acceptTest_(source); }
    void Drop(PictureBox& source);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage picture_;
    bool draggable_ = false;
    AcceptTest acceptTest_;
    DropHandler dropHandler_;
    KeyHandler keyHandler_;
    QString spokenName_;
};

}  // namespace kwintor
