#include "window_display.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include "error_display.h"

namespace kwintor {

namespace {

// Ends `loop` once the window is hidden for good: minimising it sends a
// hide event too, but leaves it visible.
class HideWatch : public QObject {
public:
    HideWatch(QWidget& window, QEventLoop& loop)
        : loop_(loop)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !static_cast<QWidget*>(watched)->isVisible())
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace

void ShowModal(QWidget& window)
{
    if (window.isVisible())
        throw Error(QStringLiteral("Nie można pokazać modalnie okna, które jest już widoczne"));
    const Qt::WindowModality modality = window.windowModality();
    const QPointer<QWidget> alive(&window);
    QEventLoop loop;
    HideWatch watch(window, loop);
    // A window deleted from inside the loop would otherwise leave it running forever.
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    loop.exec();
    if (alive)
        window.setWindowModality(modality);
}

void ShowModeless(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace kwintor
