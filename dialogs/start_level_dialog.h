#pragma once

#include "gform.h"

namespace kwintor {

// The start-level dialog: the level a new game starts from.
class TForm3 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);

private:
    void FormCreate();
};

extern TForm3* Form3;

}  // namespace kwintor
