#include "Timer.h"

namespace kivo::ui {

Timer::Timer(QObject* parent, int intervalMs) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
}

void Timer::onTick(std::function<void()> handler) {
    QObject::connect(&timer_, &QTimer::timeout, this, std::move(handler));
}

// Enabling a running timer leaves its rhythm alone.
void Timer::setEnabled(bool on) {
    if (on == timer_.isActive()) return;
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

}  // namespace kivo::ui
