#pragma once

#include "gform.h"

namespace kwintor {

// The best-scores dialog: the fifteen best games.
class Tnaj2 : public TGradientForm {
    Q_OBJECT

public:
    explicit Tnaj2(QWidget* parent = nullptr);

private:
    void FormCreate();
};

extern Tnaj2* naj2;

}  // namespace kwintor
