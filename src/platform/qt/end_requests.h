#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace platform {

// The ways the system asks the program to end, each turned into one call of `end` on the event
// loop: the desktop session ending (the session manager's request to save, the application
// quitting) and, where POSIX signals exist, SIGTERM (logout, shutdown, `kill`), SIGHUP (the
// terminal went away) and SIGINT (Ctrl+C). The program then ends as when its window is closed.
// A signal the program was started with ignored (nohup) stays ignored. One at a time.
class EndRequests {
  public:
    explicit EndRequests(std::function<void()> end);
    ~EndRequests();
    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

  private:
    std::function<void()> end_;
    QObject guard_;  // ends the connections with this object
    std::unique_ptr<QSocketNotifier> signals_;
};

}  // namespace platform
