#pragma once

#include <QLabel>

namespace kwintor {

// A label whose text is its caption. An auto-sized label grows or shrinks
// to its text from its left edge whenever the caption changes.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);

    void SetAutoSize(bool autoSize);
    void SetCaption(const QString& caption);
    QString Caption() const { return text(); }

private:
    void FitToCaption();

    bool autoSize_ = false;
};

}  // namespace kwintor
