#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include "app/korvel.h"
#include "app/lifecycle.h"
#include "app/settings_table.h"
#include "calc/bitrate.h"
#include "cli/command_encode.h"
#include "encoder/ffmpeg_command.h"
#include "i18n/captions.h"
#include "media/apply.h"
#include "media/file_name.h"
#include "platform/memory_services.h"
#include "platform/qt/settings_store.h"

namespace cli {

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

// A value the program cannot take: one line on standard error, exit status 2; a mistake in the
// use of the options adds a pointer to the usage.
struct Mistake {
    QString text;
    bool usage = false;
};

// The words arrive as Latin-1, one character a byte, so a file name keeps its bytes; what is
// shown to the user is read as the system's file names are.
QString shown(const QString& word) {
    return QFile::decodeName(word.toLatin1());
}

// A value read as the window's field reads it, or a mistake naming what the field takes.
double valueOf(const std::optional<double>& v, const char* option, const char* takes,
               const QString& given) {
    if (!v)
        throw Mistake{QStringLiteral("%1 takes %2, not \"%3\"")
                          .arg(QLatin1String(option), QLatin1String(takes), shown(given))};
    return *v;
}

// Play time, size and audio as the window would hold them, and the bitrate it shows for them.
struct Asked {
    QStringList time;  // HH, MM, SS
    double sizeMB, audioKbps;
    qint64 videoKbps;
};

// The job the window would give with the stored settings, read without writing to the store: a
// running Korvel keeps its crash marker there and must find every key as it left it. With
// `asked`, the window holds those values instead. `sizeMB` is the size the window then asks.
encoder::FfmpegJob storedFfmpegJob(const QByteArray& input, const QByteArray& output,
                                   const std::optional<Asked>& asked,
                                   const platform::SettingsStore& real, double* sizeMB) {
    platform::MemoryServices copy;
    for (const QString& key : real.keys())
        copy.store.write(key, real.read(key, {}));
    const auto put = [&copy](const app::settings::Setting& s, const QString& value) {
        copy.store.write(QLatin1String(s.key), value);
    };
    using app::settings::setting;
    // Taken as ended cleanly: the marker of a running Korvel would otherwise reset everything.
    put(setting("version"), app::Lifecycle::versionDigits());
    if (asked) {
        constexpr auto time = app::settings::rows("HH", "SS");
        for (int i = 0; i < 3; ++i)
            put(time[i], asked->time[i].rightJustified(2, '0'));
        put(setting("size"), forms::num::pointText(asked->sizeMB));
        put(setting("audio"), forms::num::pointText(asked->audioKbps));
        put(setting("bitrate"), QString::number(asked->videoKbps));
    }
    app::Korvel k(copy.services(), systemNumberLocale());
    k.start();
    const auto job = k.ffmpegJob(input, output);
    if (const auto* refusal = std::get_if<encoder::FfmpegRefusal>(&job))
        throw Mistake{encoder::refusalText(*refusal, i18n::English, forms::NumberLocale::point())};
    *sizeMB = forms::num::leading(k.form1.get<forms::TextBox>(QStringLiteral("groesse")).text());
    return std::get<encoder::FfmpegJob>(job);
}

// The film INPUT, read now; what keeps it from being read is the answer.
media::FilmInfo filmOf(const QByteArray& input) {
    const media::ProbeResult r = probeNow(media::fromNativeBytes(input));
    if (!r.ok()) throw Mistake{r.message.text(i18n::English)};
    return r.film;
}

// The options that answer in the shell instead of opening the window.
struct Printing {
    QCommandLineOption ffmpeg{
        QStringLiteral("ffmpeg"),
        QStringLiteral("Print the ffmpeg command lines that encode INPUT into OUTPUT with the "
                       "stored settings (with --time, --size and --audio: for that bitrate; "
                       "--size and --audio alone take the play time from INPUT).")};
    QCommandLineOption encode{
        QStringLiteral("encode"),
        QStringLiteral("Encode INPUT into OUTPUT with ffmpeg as --ffmpeg prints it, with its "
                       "progress on standard error and the size reached at the end.")};
    QCommandLineOption overwrite{QStringLiteral("overwrite"),
                                 QStringLiteral("Let --encode replace an existing OUTPUT.")};
    QCommandLineOption bitrate{
        QStringLiteral("bitrate"),
        QStringLiteral("Print the recommended video bitrate in kbit/s for --time, --size and "
                       "--audio, with the stored constants.")};
    QCommandLineOption time{QStringLiteral("time"),
                            QStringLiteral("Play time, hours, minutes and seconds 0 to 59."),
                            QStringLiteral("HH:MM:SS")};
    QCommandLineOption size{QStringLiteral("size"),
                            QStringLiteral("File size in MB, 0 to 100000 (rounded to whole MB)."),
                            QStringLiteral("MB")};
    QCommandLineOption audio{QStringLiteral("audio"),
                             QStringLiteral("Audio bitrate in kbit/s, a whole number."),
                             QStringLiteral("KBPS")};

    void addTo(QCommandLineParser& p) const {
        p.addOptions({ffmpeg, encode, bitrate, time, size, audio, overwrite});
        p.addPositionalArgument(
            QStringLiteral("INPUT OUTPUT"),
            QStringLiteral("The film and the file to write (--ffmpeg, --encode); a film alone "
                           "opens the window with it read."),
            QStringLiteral("[FILM | INPUT OUTPUT]"));
    }

    // --time, --size and --audio as the window would hold them; the play time `filmTime` when
    // --time is not given.
    Asked asked(const QCommandLineParser& p, const platform::SettingsStore& store,
                const QString& filmTime = {}) const {
        const QString played = p.isSet(time) ? p.value(time) : filmTime;
        const double minutes = valueOf(calc::playMinutesOf(played), "--time",
                                       "HH:MM:SS with hours, minutes and seconds 0 to 59", played);
        const double mb = valueOf(calc::fileSizeOf(p.value(size)), "--size",
                                  "a number of MB from 0 to 100000", p.value(size));
        const double kbps = valueOf(calc::audioRateOf(p.value(audio)), "--audio",
                                    "a number of kbit/s, 0 or more", p.value(audio));
        try {
            return {played.split(QLatin1Char(':')), mb, kbps,
                    calc::recommendedBitrate(store, mb, minutes, kbps)};
        } catch (const forms::RuntimeError& e) {
            throw Mistake{QStringLiteral("no bitrate for these values: ") + e.what()};
        }
    }

    // Nothing when none of these options is given, else the exit status; throws Mistake for
    // what cannot be answered.
    std::optional<int> answer(const QCommandLineParser& p, QIODevice& out, QTextStream& err) const {
        const QStringList files = p.positionalArguments();
        const auto usage = [](const QString& text) { return Mistake{text, true}; };
        int values = 0;
        for (const QCommandLineOption* o : {&time, &size, &audio}) {
            if (p.values(*o).size() > 1)
                throw usage(QStringLiteral("--") + o->names().front() +
                            QStringLiteral(" is given twice"));
            values += p.isSet(*o);
        }
        if (p.isSet(ffmpeg) + p.isSet(encode) + p.isSet(bitrate) > 1)
            throw usage(QStringLiteral("--ffmpeg, --encode and --bitrate go one at a time"));
        if (p.isSet(overwrite) && !p.isSet(encode))
            throw usage(QStringLiteral("--overwrite belongs to --encode"));
        if (!p.isSet(ffmpeg) && !p.isSet(encode) && !p.isSet(bitrate)) {
            if (values)
                throw usage(
                    QStringLiteral("--time, --size and --audio belong to --bitrate, --ffmpeg "
                                   "or --encode"));
            return std::nullopt;
        }
        // The settings are read once, so one answer comes from one state of the file.
        using Access = platform::QtSettingsStore::Access;
        if (p.isSet(ffmpeg) || p.isSet(encode)) {
            const QString option = p.isSet(ffmpeg) ? QStringLiteral("--ffmpeg") : "--encode";
            if (files.size() != 2)
                throw usage(option + QStringLiteral(" takes two file names, INPUT and OUTPUT"));
            const bool filmTime = values == 2 && !p.isSet(time);
            if (values != 0 && values != 3 && !filmTime)
                throw usage(option +
                            QStringLiteral(" takes --time, --size and --audio together, --size and "
                                           "--audio for the play time of INPUT, or none of them "
                                           "for the stored bitrate"));
            const QByteArray input = files[0].toLatin1(), output = files[1].toLatin1();
            // An encode needs the play time for its progress; --ffmpeg only to fill in --time.
            const std::optional<media::FilmInfo> film =
                p.isSet(encode) || filmTime ? std::optional(filmOf(input)) : std::nullopt;
            const platform::QtSettingsStore store(Access::ReadOnly);
            std::optional<Asked> values3;
            if (values) {
                const media::ClockFields c = media::clockFields(film ? film->seconds : 0);
                values3 = asked(p, store, c.hh + ':' + c.mm + ':' + c.ss);
            }
            double sizeMB = 0;
            const encoder::FfmpegJob job = storedFfmpegJob(input, output, values3, store, &sizeMB);
            if (p.isSet(ffmpeg)) {
                out.write(encoder::shellText(job));
                return 0;
            }
            return encodeNow(job, *film, media::fromNativeBytes(output), sizeMB, p.isSet(overwrite),
                             out, err);
        }
        if (!files.isEmpty())
            throw usage(QStringLiteral("--bitrate takes no file names: ") +
                        shown(files.join(QLatin1Char(' '))));
        if (values != 3) throw usage(QStringLiteral("--bitrate needs --time, --size and --audio"));
        const platform::QtSettingsStore store(Access::ReadOnly);
        out.write(QByteArray::number(asked(p, store).videoKbps) + '\n');
        return 0;
    }
};

}  // namespace

forms::NumberLocale systemNumberLocale() {
    const QString point = QLocale::system().decimalPoint();
    return forms::NumberLocale{point.isEmpty() ? QLatin1Char('.') : point.front()};
}

QByteArrayList commandLineWords(int argc, char** argv) {
    QByteArrayList words;
#ifdef Q_OS_WIN
    // Windows hands over text; Qt reads it whole.
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    for (const QString& a : QCoreApplication::arguments())
        words << QFile::encodeName(a);
#else
    for (int i = 0; i < argc; ++i)
        words << QByteArray(argv[i]);
#endif
    return words;
}

std::optional<int> answerCommandLine(const QByteArrayList& words, QIODevice& out, QTextStream& err,
                                     QByteArray* film) {
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setApplicationDescription(
        QStringLiteral("Korvel computes the video bitrate that makes a film fit a file size."));
    const QCommandLineOption help = p.addHelpOption();
    const QCommandLineOption version = p.addVersionOption();
    const Printing printing;
    printing.addTo(p);
    addPlatformOptions(p);

    QStringList arguments;
    for (const QByteArray& w : words)
        arguments << QString::fromLatin1(w);
    const auto mistake = [&err](const Mistake& m) {
        err << "korvel: " << m.text << '\n';
        if (m.usage) err << "Try 'korvel --help'.\n";
        return 2;
    };
    if (!p.parse(arguments)) return mistake({shown(p.errorText()), true});
    if (p.isSet(help)) {
        out.write((p.helpText() + environmentHelp()).toUtf8());
        return 0;
    }
    if (p.isSet(version)) {
        out.write((QCoreApplication::applicationName() + QLatin1Char(' ') +
                   QCoreApplication::applicationVersion() + QLatin1Char('\n'))
                      .toUtf8());
        return 0;
    }
    try {
        if (const std::optional<int> status = printing.answer(p, out, err)) return status;
    } catch (const Mistake& m) {
        return mistake(m);
    } catch (const std::exception& e) {
        return mistake({QString::fromUtf8(e.what())});
    }
    const QStringList files = p.positionalArguments();
    if (files.size() > 1)
        return mistake({QStringLiteral("Korvel opens one film at a time: ") +
                            shown(files.join(QLatin1Char(' '))),
                        true});
    if (film && !files.isEmpty()) *film = files.front().toLatin1();
    return std::nullopt;
}

}  // namespace cli
