#include "platform/qt/program_end.h"

#include <QCoreApplication>

namespace platform {

void QtProgramEnd::end(bool saved) {
    ended_ = true;
    saved_ = saved;
    // Queued: the running handler unwinds first, and an end asked for before the event loop
    // started (while the first window loads) still ends the loop once it runs.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

}  // namespace platform
