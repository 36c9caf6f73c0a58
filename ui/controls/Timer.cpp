#include "Timer.h"

namespace kivo::ui {

Timer::Timer(QObject* parent, int intervalMs, std::function<void()> handler)
    : QObject(parent), handler_(std::move(handler)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void Timer::tick() {
    if (!enabled_) return;
    if (handling_) return;  // the state tells the next tick what to do; this one is not needed
    handling_ = true;
    handler_();
    handling_ = false;
}

}  // namespace kivo::ui
