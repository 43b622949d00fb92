#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "app/korvel.h"
#include "app/lifecycle.h"
#include "calc/bitrate.h"
#include "encoder/encoder.h"
#include "platform/memory_services.h"
#include "platform/qt/settings_store.h"

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

// A value the program cannot take: one line on standard error, exit status 2.
struct Mistake {
    QString text;
};

double amount(const QString& option, const QString& value) {
    bool ok = false;
    const double v = QLocale::c().toDouble(value, &ok);
    if (!ok || !std::isfinite(v) || v < 0)
        throw Mistake{option + QStringLiteral(" takes a number of 0 or more, not \"") + value +
                      '"'};
    return v;
}

// Minutes as the window counts them from its three time fields.
double playMinutes(const QString& time) {
    static const QRegularExpression hms(QStringLiteral("^(\\d{1,4}):([0-5]\\d):([0-5]\\d)$"));
    const QRegularExpressionMatch m = hms.match(time);
    if (!m.hasMatch())
        throw Mistake{
            QStringLiteral("--time takes HH:MM:SS with minutes and seconds 0 to 59, not \"") +
            time + '"'};
    return m.captured(2).toDouble() + m.captured(1).toDouble() * 60 + m.captured(3).toDouble() / 60;
}

// The stored settings as the window would start with them, read without writing to the store:
// a running Korvel keeps its crash marker there and must find every key as it left it.
QString storedFfmpegCommand(const QString& input, const QString& output) {
    const platform::QtSettingsStore real(platform::QtSettingsStore::Access::ReadOnly);
    platform::MemoryServices copy;
    for (const QString& key : real.keys())
        copy.store.write(key, real.read(key, {}));
    // Taken as ended cleanly: the marker of a running Korvel would otherwise reset everything.
    copy.store.write(QStringLiteral("version"), app::Lifecycle::versionDigits());
    app::Korvel k(copy.services(), systemNumberLocale());
    k.start();
    try {
        return k.enc->ffmpegCommand(input, output);
    } catch (const forms::RuntimeError& e) {
        throw Mistake{QStringLiteral("the stored settings give no ffmpeg command: ") + e.what()};
    }
}

// The options that print an answer for the shell instead of opening the window.
struct Printing {
    QCommandLineOption ffmpeg{
        QStringLiteral("ffmpeg"),
        QStringLiteral("Print the ffmpeg command lines that encode INPUT into OUTPUT with the "
                       "stored settings.")};
    QCommandLineOption bitrate{
        QStringLiteral("bitrate"),
        QStringLiteral("Print the recommended video bitrate in kbit/s for --time, --size and "
                       "--audio, with the stored constants.")};
    QCommandLineOption time{QStringLiteral("time"), QStringLiteral("Play time (--bitrate)."),
                            QStringLiteral("HH:MM:SS")};
    QCommandLineOption size{QStringLiteral("size"), QStringLiteral("File size in MB (--bitrate)."),
                            QStringLiteral("MB")};
    QCommandLineOption audio{QStringLiteral("audio"),
                             QStringLiteral("Audio bitrate in kbit/s (--bitrate)."),
                             QStringLiteral("KBPS")};

    void addTo(QCommandLineParser& p) const {
        p.addOptions({ffmpeg, bitrate, time, size, audio});
        p.addPositionalArgument(QStringLiteral("INPUT OUTPUT"),
                                QStringLiteral("The film and the file to write (--ffmpeg)."),
                                QStringLiteral("[INPUT OUTPUT]"));
    }

    // False when none of these options is given; throws Mistake for what cannot be answered.
    bool answer(const QCommandLineParser& p, QTextStream& out) const {
        const QStringList files = p.positionalArguments();
        for (const QCommandLineOption* o : {&time, &size, &audio}) {
            const QString name = QStringLiteral("--") + o->names().front();
            if (p.values(*o).size() > 1) throw Mistake{name + QStringLiteral(" is given twice")};
            if (p.isSet(*o) && !p.isSet(bitrate))
                throw Mistake{name + QStringLiteral(" belongs to --bitrate")};
        }
        if (p.isSet(ffmpeg)) {
            if (p.isSet(bitrate))
                throw Mistake{QStringLiteral("--ffmpeg and --bitrate cannot go together")};
            if (files.size() != 2)
                throw Mistake{QStringLiteral("--ffmpeg takes two file names, INPUT and OUTPUT")};
            const QString command = storedFfmpegCommand(files[0], files[1]);
            out << command << (command.endsWith('\n') ? "" : "\n");
            return true;
        }
        if (!p.isSet(bitrate)) return false;
        if (!files.isEmpty())
            throw Mistake{QStringLiteral("--bitrate takes no file names: ") +
                          files.join(QLatin1Char(' '))};
        if (!p.isSet(time) || !p.isSet(size) || !p.isSet(audio))
            throw Mistake{QStringLiteral("--bitrate needs --time, --size and --audio")};
        const double minutes = playMinutes(p.value(time));
        const double mb = amount(QStringLiteral("--size"), p.value(size));
        const double kbps = amount(QStringLiteral("--audio"), p.value(audio));
        const platform::QtSettingsStore store(platform::QtSettingsStore::Access::ReadOnly);
        try {
            out << calc::recommendedBitrate(store, mb, minutes, kbps) << '\n';
        } catch (const forms::RuntimeError& e) {
            throw Mistake{QStringLiteral("no bitrate for these values: ") + e.what()};
        }
        return true;
    }
};

}  // namespace

forms::NumberLocale systemNumberLocale() {
    const QString point = QLocale::system().decimalPoint();
    return forms::NumberLocale{point.isEmpty() ? QLatin1Char('.') : point.front()};
}

std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setApplicationDescription(
        QStringLiteral("Korvel computes the video bitrate that makes a film fit a file size."));
    const QCommandLineOption help = p.addHelpOption();
    const QCommandLineOption version = p.addVersionOption();
    const Printing printing;
    printing.addTo(p);
    addPlatformOptions(p);

    const auto usage = [&p] { return p.helpText() + environmentHelp(); };
    if (!p.parse(arguments)) {
        err << p.errorText() << "\n\n" << usage();
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
    try {
        if (printing.answer(p, out)) return 0;
    } catch (const Mistake& m) {
        err << "korvel: " << m.text << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "korvel: " << e.what() << '\n';
        return 2;
    }
    if (!p.positionalArguments().isEmpty()) {
        err << "Korvel takes no file names: " << p.positionalArguments().join(QLatin1Char(' '))
            << "\n\n"
            << usage();
        return 2;
    }
    return std::nullopt;
}

}  // namespace ui
