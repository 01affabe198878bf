#include "periodic_timer.h"

namespace kwintor {

PeriodicTimer::PeriodicTimer(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &PeriodicTimer::Ticked);
    timer_.start(interval);
}

}  // namespace kwintor
