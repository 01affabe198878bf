// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDialog;

namespace kwintor {

// Shows `box` modally inside a window of the game's own, under its gradient
// caption with a close button, and returns the box's result; closing the
// window closes the box as its frame would. For desktops that draw no
// frames, where Qt would draw a stand-in title bar with buttons no box has.
int ShowUnderGradientCaption(QDialog& box);

}  // namespace kwintor
