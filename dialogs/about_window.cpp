#include "about_window.h"

#include "desktop_metrics.h"

namespace kwintor {

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : TGradientForm(parent)
{
    setWindowTitle(QStringLiteral("O programie"));
    setFont(desktop::SansSerifFont(14));
    SetBounds(200, 108, 434, 353);
    FormCreate();
}

void TForm4::FormCreate()
{
    SetGradientStartColor(127);
    SetGradientStopColor(0xFF0000);
}

}  // namespace kwintor
