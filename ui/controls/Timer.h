#pragma once
// A timer control. It ticks on the user-interface thread while enabled. A tick is never
// handled while an earlier tick of the same timer is still being handled (a message box
// opened by the handler included), and never after the timer was disabled.

#include <QObject>
#include <QTimer>
#include <functional>

namespace kivo::ui {

class Timer : public QObject {
public:
    Timer(QObject* parent, int intervalMs, std::function<void()> handler);

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    int interval() const { return timer_.interval(); }
    void setInterval(int ms) { timer_.setInterval(ms); }
    bool handling() const { return handling_; }

private:
    void tick();

    QTimer timer_;
    std::function<void()> handler_;
    bool enabled_ = false;
    bool handling_ = false;
};

}  // namespace kivo::ui
