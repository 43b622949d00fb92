#pragma once

#include <QTimer>
#include <map>
#include <memory>

#include "forms/control.h"
#include "forms/runtime.h"

namespace platform {

// Runs the model's timers on real QTimers, one per timer, created when it first runs.
// Attaches itself to the runtime (starting the timers already enabled) and detaches when
// destroyed, so it must not outlive the runtime.
class QtTimerDriver : public forms::TimerDriver {
  public:
    explicit QtTimerDriver(forms::Runtime& runtime);
    ~QtTimerDriver() override;
    QtTimerDriver(const QtTimerDriver&) = delete;
    QtTimerDriver& operator=(const QtTimerDriver&) = delete;

    void timerChanged(forms::Timer& timer) override;

  private:
    void fire(forms::Timer& timer) noexcept;

    forms::Runtime& runtime_;
    std::map<const forms::Timer*, std::unique_ptr<QTimer>> timers_;
};

}  // namespace platform
