#include "test_difficulty_dialog.h"

#include "desktop_metrics.h"

namespace kwintor {

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : TGradientForm(parent)
{
    setWindowTitle(QStringLiteral("Wybór poziomu trudności"));
    setFont(desktop::SansSerifFont(14));
    SetBounds(200, 108, 377, 316);
    FormCreate();
}

void TForm2::FormCreate()
{
    SetGradientStartColor(127);
    SetGradientStopColor(0xFF0000);
}

}  // namespace kwintor
