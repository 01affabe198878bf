#pragma once

#include "gform.h"

namespace kwintor {

// The about window, shown without waiting.
class TForm4 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);

private:
    void FormCreate();
};

extern TForm4* Form4;

}  // namespace kwintor
