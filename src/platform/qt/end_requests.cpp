#include "platform/qt/end_requests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <iterator>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kCount = int(std::size(kSignals));
// The self-pipe: the signal handler writes a byte, the event loop reads it.
int pipeEnds[2] = {-1, -1};
struct sigaction before[kCount];
bool caught[kCount];

// Runs inside the signal, so it only writes one byte: nothing else is safe there.
void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

bool openPipe() {
    if (::pipe(pipeEnds) != 0) return false;
    for (const int fd : pipeEnds) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

}  // namespace
#endif

EndRequests::EndRequests(std::function<void()> end) : end_(std::move(end)) {
    QCoreApplication* app = QCoreApplication::instance();
    QObject::connect(app, &QCoreApplication::aboutToQuit, &guard_, [this] { end_(); });
#if QT_CONFIG(sessionmanager)
    if (auto* gui = qobject_cast<QGuiApplication*>(app))
        QObject::connect(gui, &QGuiApplication::commitDataRequest, &guard_,
                         [this](QSessionManager&) { end_(); });
#endif
#ifdef Q_OS_UNIX
    Q_ASSERT(pipeEnds[0] < 0);
    if (!openPipe()) return;  // without a pipe the signals keep their usual effect
    signals_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    QObject::connect(signals_.get(), &QSocketNotifier::activated, &guard_, [this] {
        char bytes[64];
        while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
        }
        end_();
    });
    for (int i = 0; i < kCount; ++i) {
        caught[i] = false;
        if (::sigaction(kSignals[i], nullptr, &before[i]) != 0 || before[i].sa_handler == SIG_IGN)
            continue;
        struct sigaction now {};
        now.sa_handler = onSignal;
        sigemptyset(&now.sa_mask);
        now.sa_flags = SA_RESTART;
        caught[i] = ::sigaction(kSignals[i], &now, nullptr) == 0;
    }
#endif
}

EndRequests::~EndRequests() {
#ifdef Q_OS_UNIX
    if (!signals_) return;
    for (int i = 0; i < kCount; ++i)
        if (caught[i]) ::sigaction(kSignals[i], &before[i], nullptr);
    signals_.reset();
    for (int& fd : pipeEnds) {
        ::close(fd);
        fd = -1;
    }
#endif
}

}  // namespace platform
