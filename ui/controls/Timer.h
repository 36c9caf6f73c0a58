#pragma once
// A timer control. It ticks on the user-interface thread while enabled. Qt never starts a
// timer's tick while an earlier tick of the same timer is still being handled (a message box
// opened by the handler included), and drops the ticks of a timer that was stopped.

#include <QObject>
#include <QTimer>
#include <functional>

namespace kivo::ui {

class Timer : public QObject {
public:
    Timer(QObject* parent, int intervalMs);
    void onTick(std::function<void()> handler);

    bool enabled() const { return timer_.isActive(); }
    void setEnabled(bool on);
    int interval() const { return timer_.interval(); }
    void setInterval(int ms) { timer_.setInterval(ms); }

private:
    QTimer timer_;
};

}  // namespace kivo::ui
