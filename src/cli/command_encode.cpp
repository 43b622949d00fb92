#include "cli/command_encode.h"

#include <QEventLoop>
#include <utility>

#include "i18n/film_texts.h"
#include "media/encode_job.h"
#include "platform/qt/end_requests.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {

namespace {

bool errorIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr));
#else
    return ::isatty(STDERR_FILENO);
#endif
}

QString progressText(const media::EncodeProgress& p) {
    QString text = i18n::filmText(i18n::FilmText::PassShare, i18n::English)
                       .arg(p.pass)
                       .arg(p.passes)
                       .arg(int(p.share * 100));
    if (p.secondsLeft && p.share < 1)
        text += QStringLiteral(", ") + i18n::filmText(i18n::FilmText::TimeLeft, i18n::English)
                                           .arg(media::clockText(*p.secondsLeft));
    return text;
}

}  // namespace

media::ProbeResult probeNow(const QString& file) {
    media::Probe probe;
    media::ProbeResult result;
    QEventLoop loop;
    QObject::connect(&probe, &media::Probe::finished, &loop, [&](const media::ProbeResult& r) {
        result = r;
        loop.quit();
    });
    probe.start(file);
    loop.exec();
    return result;
}

int encodeNow(const encoder::FfmpegJob& job, const media::FilmInfo& film, const QString& output,
              double targetMB, bool overwrite, QIODevice& out, QTextStream& err) {
    media::EncodeJob encode;
    media::EncodeResult result;
    QEventLoop loop;
    const bool terminal = errorIsTerminal();
    QString shown;      // the progress line as it stands
    int lastStep = -1;  // pass and percentage of that line
    QObject::connect(&encode, &media::EncodeJob::progress, [&](const media::EncodeProgress& p) {
        const QString text = progressText(p);
        // Off a terminal, a line when the percentage moves on (the time left moves at each one).
        const int step = p.pass * 1000 + int(p.share * 100);
        if (!terminal && std::exchange(lastStep, step) == step) return;
        if (terminal)
            err << '\r' << text.leftJustified(shown.size()) << Qt::flush;
        else
            err << text << '\n' << Qt::flush;
        shown = text;
    });
    QObject::connect(&encode, &media::EncodeJob::finished, &loop,
                     [&](const media::EncodeResult& r) {
                         result = r;
                         loop.quit();
                     });
    // Ctrl+C and the system's requests to end stop the encode; its files go with it.
    const platform::EndRequests stop([&encode] { encode.cancel(); });
    encode.start(media::encodeInput(job, film, output, targetMB, overwrite));
    loop.exec();
    if (terminal && !shown.isEmpty()) err << '\n';
    if (result.ok()) {
        out.write((result.message.text(i18n::English) + QLatin1Char('\n')).toUtf8());
        return 0;
    }
    err << "korvel: " << result.message.text(i18n::English) << '\n' << Qt::flush;
    const bool mayNot = result.problem == media::Problem::OutputExists ||
                        result.problem == media::Problem::BadOutput;
    return mayNot ? 2 : 1;
}

}  // namespace cli
