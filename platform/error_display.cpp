#include "error_display.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace kwintor {

void ShowErrorDisplay(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), message + u'.',
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("kwintorErrorDisplay"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace kwintor
