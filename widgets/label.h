// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace kwintor {

// A label whose text is its caption. An auto-sized label grows or shrinks
// to its text from its left edge whenever the caption changes. A label with
// a spoken name is read by a screen reader as "name: caption", for a caption
// that means nothing without its heading.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    void SetAutoSize(bool autoSize);
    void SetCaption(const QString& caption);
    void SetSpokenName(const QString& name);
    QString Caption() const { return text(); }

private:
    void FitToCaption();
    void NameForScreenReader();

    bool autoSize_ = false;
    QString spokenName_;
};

}  // namespace kwintor
