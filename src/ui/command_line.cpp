#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace ui {

namespace {

// What the window system's layer takes from the command line, hidden from the usage.
void addPlatformOptions(QCommandLineParser& p) {
    const auto hidden = [&p](const QString& name, bool takesValue) {
        QCommandLineOption o(name);
        if (takesValue) o.setValueName(QStringLiteral("value"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        p.addOption(o);
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "geometry", "qwindowgeometry", "title", "qwindowtitle", "style",
                             "stylesheet", "session", "name", "icon", "qwindowicon"})
        hidden(QLatin1String(name), true);
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        hidden(QLatin1String(name), false);
}

QString environmentHelp() {
    return QStringLiteral(
        "\nEnvironment:\n"
        "  KORVEL_REGISTRY_FILE  A registry export (.reg) of the codec's settings for \"read\".\n"
        "  WINEPREFIX            The Wine prefix whose user.reg holds the codec's settings\n"
        "                        (default ~/.wine), used when KORVEL_REGISTRY_FILE is not set.\n");
}

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setApplicationDescription(
        QStringLiteral("Korvel computes the video bitrate that makes a film fit a file size."));
    const QCommandLineOption help = p.addHelpOption();
    const QCommandLineOption version = p.addVersionOption();
    addPlatformOptions(p);

    const auto usage = [&p] { return p.helpText() + environmentHelp(); };
    if (!p.parse(arguments)) {
        err << p.errorText() << "\n\n" << usage();
        return 2;
    }
    if (!p.positionalArguments().isEmpty()) {
        err << "Korvel takes no file names: " << p.positionalArguments().join(QLatin1Char(' '))
            << "\n\n"
            << usage();
        return 2;
    }
    if (p.isSet(help)) {
        out << usage();
        return 0;
    }
    if (p.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        return 0;
    }
    return std::nullopt;
}

}  // namespace ui
