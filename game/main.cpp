#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationDisplayName(QStringLiteral("Kwintor-matematyczny test"));
    QWidget board;
    board.setWindowTitle(QStringLiteral("Kwintor"));
    board.showMaximized();
    return application.exec();
}
