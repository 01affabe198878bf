#pragma once

#include "gform.h"

namespace kwintor {

// The test-difficulty dialog: how many operations and which operators.
class TForm2 : public TGradientForm {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

private:
    void FormCreate();
};

extern TForm2* Form2;

}  // namespace kwintor
