#include "najlepsi.h"

#include "desktop_metrics.h"

namespace kwintor {

Tnaj2* naj2 = nullptr;

Tnaj2::Tnaj2(QWidget* parent)
    : TGradientForm(parent)
{
    setWindowTitle(QStringLiteral("Lista najlepszych :"));
    setFont(desktop::SansSerifFont(14));
    SetBounds(200, 105, 430, 412);
    FormCreate();
}

void Tnaj2::FormCreate()
{
    SetGradientStartColor(127);
    SetGradientStopColor(0xFF0000);
}

}  // namespace kwintor
