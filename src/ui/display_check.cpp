#include "ui/display_check.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace ui {

namespace {

struct Held {
    QtMsgType type;
    std::string category, file, function;
    int line;
    QString text;
};

// Qt's message handler is one per process; this one is set only while the display opens.
struct Connecting {
    QtMessageHandler previous = nullptr;
    std::vector<Held> held;
    bool active = false;
} connecting;

QString displayProblem() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")))
        return QStringLiteral("cannot open the display through the Qt platform \"%1\"")
            .arg(platform);
    if (display.isEmpty()) return QStringLiteral("cannot open the display: DISPLAY is not set");
    return QStringLiteral("cannot open the display \"%1\"").arg(display);
}

void whileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString line = QStringLiteral("korvel: %1; run it under xvfb-run for a virtual one\n")
                                 .arg(displayProblem());
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);  // nothing half-made to tidy up, and no core dump
    }
    const auto copy = [](const char* s) { return std::string(s ? s : ""); };
    connecting.held.push_back(Held{type, copy(context.category), copy(context.file),
                                   copy(context.function), context.line, text});
}

}  // namespace

DisplayCheck::DisplayCheck() {
    connecting.active = true;
    connecting.previous = qInstallMessageHandler(whileConnecting);
}

DisplayCheck::~DisplayCheck() {
    opened();
}

void DisplayCheck::opened() {
    if (!connecting.active) return;
    connecting.active = false;
    qInstallMessageHandler(connecting.previous);
    for (const Held& h : connecting.held) {
        const QMessageLogContext context(h.file.c_str(), h.line, h.function.c_str(),
                                         h.category.c_str());
        qt_message_output(h.type, context, h.text);
    }
    connecting.held.clear();
}

}  // namespace ui
