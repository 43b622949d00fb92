#include "platform/qt/timer_driver.h"

namespace platform {

QtTimerDriver::QtTimerDriver(forms::Runtime& runtime) : runtime_(runtime) {
    runtime_.setTimerDriver(this);
    for (const auto& window : runtime_.windows())
        for (const auto& control : window->controls())
            if (control->kind() == forms::Kind::Timer)
                timerChanged(static_cast<forms::Timer&>(*control));
}

QtTimerDriver::~QtTimerDriver() {
    if (runtime_.timerDriver() == this) runtime_.setTimerDriver(nullptr);
}

void QtTimerDriver::timerChanged(forms::Timer& timer) {
    auto it = timers_.find(&timer);
    // An interval of 0 keeps an enabled timer silent.
    if (!timer.enabled() || timer.interval() <= 0) {
        if (it != timers_.end()) it->second->stop();
        return;
    }
    if (it == timers_.end()) {
        auto q = std::make_unique<QTimer>();
        QObject::connect(q.get(), &QTimer::timeout, q.get(), [this, &timer] { fire(timer); });
        it = timers_.emplace(&timer, std::move(q)).first;
    }
    QTimer& q = *it->second;
    // A new interval starts the count again, as does switching the timer back on.
    if (!q.isActive() || q.interval() != timer.interval()) q.start(timer.interval());
}

void QtTimerDriver::fire(forms::Timer& timer) noexcept {
    // The runtime contains what a handler throws; this only guards the event loop against
    // anything that slips past it.
    try {
        runtime_.fireTimer(timer);
    } catch (...) {
        qWarning("timer %s: an error escaped its handler", qPrintable(timer.path()));
    }
}

}  // namespace platform
