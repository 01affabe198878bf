#include "start_level_dialog.h"

#include "desktop_metrics.h"

namespace kwintor {

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : TGradientForm(parent)
{
    setWindowTitle(QStringLiteral("Opcje "));
    setFont(desktop::SansSerifFont(14));
    SetBounds(227, 115, 236, 150);
    FormCreate();
}

void TForm3::FormCreate()
{
    SetGradientStartColor(127);
    SetGradientStopColor(0xFF0000);
}

}  // namespace kwintor
